// Times the colour reducer's lossy PNG output against pngquant on two drawn
// pictures and prints size and quality figures for both.
#include "benchpictures.h"
#include "colorreducer.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr int Runs = 5;

struct Figures
{
    double milliseconds = -1.0;
    qint64 bytes = -1;
    double psnr = -1.0;
};

// PSNR over red, green, blue and alpha; two fully transparent pixels count as
// equal whatever their colour.
double psnr(const QImage& original, const QImage& result)
{
    const QImage a = original.convertToFormat(QImage::Format_ARGB32);
    const QImage b = result.convertToFormat(QImage::Format_ARGB32);
    if (a.size() != b.size())
        return -1.0;
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (qAlpha(la[x]) == 0 && qAlpha(lb[x]) == 0)
                continue;
            const int d[4] = { qRed(la[x]) - qRed(lb[x]), qGreen(la[x]) - qGreen(lb[x]),
                               qBlue(la[x]) - qBlue(lb[x]), qAlpha(la[x]) - qAlpha(lb[x]) };
            for (int v : d)
                sum += double(v) * v;
        }
    }
    const double mse = sum / (double(a.width()) * a.height() * 4.0);
    return mse <= 0.0 ? std::numeric_limits<double>::infinity() : 10.0 * std::log10(255.0 * 255.0 / mse);
}

Figures runOurs(const QImage& image, int colors, const QString& output)
{
    Figures f;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        MGraphX::ColorReducer::reduceAndSave(image, output, colors, QStringLiteral("PNG"));
        const double ms = timer.nsecsElapsed() / 1e6;
        if (f.milliseconds < 0.0 || ms < f.milliseconds)
            f.milliseconds = ms;
    }
    f.bytes = QFileInfo(output).size();
    f.psnr = psnr(image, QImage(output));
    return f;
}

Figures runPngquant(const QString& program, const QImage& image, const QString& input, int colors,
                    const QString& output)
{
    Figures f;
    if (program.isEmpty())
        return f;
    for (int run = 0; run < Runs; ++run) {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(program,
                      { QStringLiteral("--nofs"), QStringLiteral("--force"), QStringLiteral("--output"),
                        output, QString::number(colors), input });
        process.waitForFinished(-1);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            std::fprintf(stderr, "pngquant failed: %s\n", process.readAllStandardError().constData());
            return Figures();
        }
        if (f.milliseconds < 0.0 || ms < f.milliseconds)
            f.milliseconds = ms;
    }
    f.bytes = QFileInfo(output).size();
    f.psnr = psnr(image, QImage(output));
    return f;
}

QString percent(qint64 bytes, qint64 lossless)
{
    return bytes < 0 || lossless <= 0 ? QStringLiteral("-")
                                      : QString::number(100.0 * bytes / lossless, 'f', 1) + '%';
}

QString number(double value, int decimals)
{
    return value < 0.0 ? QStringLiteral("-") : QString::number(value, 'f', decimals);
}

} // namespace

int main(int argc, char* argv[])
{
    // Text needs a GUI application; no display is needed for drawing into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    const QString pngquant = QStandardPaths::findExecutable(QStringLiteral("pngquant"));

    const QImage icon = BenchPictures::icon();
    const QImage launch = BenchPictures::launchScreen(icon);
    const struct
    {
        const char* name;
        QImage image;
    } cases[] = { { "icon 1024x1024", icon }, { "launch 2208x1242", launch } };

    std::printf("best of %d runs; PSNR over RGBA (dB); size against the lossless PNG (quality 0)\n", Runs);
    if (pngquant.isEmpty())
        std::printf("pngquant not found: its columns stay empty\n");
    std::printf(
        "| picture | colours | lossless bytes | ours ms | ours bytes | ours size | ours PSNR | pngquant ms "
        "| pngquant bytes | pngquant size | pngquant PSNR |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    int index = 0;
    for (const auto& c : cases) {
        const QString input = dir.filePath(QStringLiteral("input%1.png").arg(index));
        c.image.save(input, "PNG", 0);
        const qint64 lossless = QFileInfo(input).size();
        for (int colors : { 256, 16 }) {
            const QString ours = dir.filePath(QStringLiteral("ours%1_%2.png").arg(index).arg(colors));
            const QString theirs = dir.filePath(QStringLiteral("pngquant%1_%2.png").arg(index).arg(colors));
            const Figures a = runOurs(c.image, colors, ours);
            const Figures b = runPngquant(pngquant, c.image, input, colors, theirs);
            std::printf("| %s | %d | %lld | %s | %lld | %s | %s | %s | %s | %s | %s |\n", c.name, colors,
                        static_cast<long long>(lossless), qPrintable(number(a.milliseconds, 1)),
                        static_cast<long long>(a.bytes), qPrintable(percent(a.bytes, lossless)),
                        qPrintable(number(a.psnr, 2)), qPrintable(number(b.milliseconds, 1)),
                        qPrintable(b.bytes < 0 ? QStringLiteral("-") : QString::number(b.bytes)),
                        qPrintable(percent(b.bytes, lossless)), qPrintable(number(b.psnr, 2)));
            std::fflush(stdout);
        }
        ++index;
    }
    return 0;
}
