// Measures the complete export of every platform set from one 1024 x 1024
// picture, lossless and lossy at 256 colours: wall time per platform block and
// in total, the number of files and their bytes, and what the lossy mode saves.
// Then the whole export of a photo-like master in colour and in shades of grey,
// each read from a PNG file the way the program reads the dropped picture.
//
// Usage: bench_export [runs] [picture]
//   runs: default 3; the best time of the runs is shown.
//   picture: the photo-like master (default: the icon master with grain); for
//   example a fractal made with ImageMagick:
//   convert -size 1024x1024 -seed 3 plasma:fractal -depth 8 plasma.png

#include "generatorsettings.h"
#include "iconsetexport.h"
#include "masterpicture.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

struct Block
{
    const char* name;
    GeneratorSettings::Option option;
};

const Block kBlocks[] = {
    { "macOS", GeneratorSettings::Icns },
    { "iOS", GeneratorSettings::IOS },
    { "Android", GeneratorSettings::Android },
    { "Windows", GeneratorSettings::Ico },
    { "Web", GeneratorSettings::WebFavicons },
    { "Windows Phone", GeneratorSettings::WindowsPhone },
    { "Windows Store", GeneratorSettings::WindowsStore },
    { "BlackBerry", GeneratorSettings::BlackBerry },
};

// The settings of the runs; the defaults write every set with every refinement.
GeneratorSettings settings;

// An icon-like master: gradients, a glossy disc, a few strokes and soft shadows.
QPixmap makeMaster()
{
    QImage image(1024, 1024, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, 1024);
    background.setColorAt(0, QColor(36, 112, 220));
    background.setColorAt(1, QColor(12, 30, 90));
    painter.setBrush(background);
    painter.setPen(Qt::NoPen);
    painter.drawRect(image.rect());
    QRadialGradient disc(QPointF(470, 430), 360, QPointF(380, 330));
    disc.setColorAt(0, QColor(255, 240, 160));
    disc.setColorAt(0.6, QColor(250, 170, 40));
    disc.setColorAt(1, QColor(190, 70, 20));
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(512, 512), 330, 330);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 18, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i)
        painter.drawLine(QPointF(300 + i * 80, 760), QPointF(360 + i * 70, 300));
    painter.end();
    return QPixmap::fromImage(image);
}

// The master with fine grain, as a photographed or scanned picture has; the
// grain is what makes the compression work hard.
QImage grainy(const QPixmap& master)
{
    QImage image = master.toImage().convertToFormat(QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 27) - 16;
            auto channel = [grain](int value) { return qBound(0, value + grain, 255); };
            line[x] = qRgb(channel(qRed(line[x])), channel(qGreen(line[x])), channel(qBlue(line[x])));
        }
    }
    return image;
}

struct Tally
{
    int files = 0;
    qint64 bytes = 0;
};

Tally tally(const QString& root)
{
    Tally t;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++t.files;
        t.bytes += it.fileInfo().size();
    }
    return t;
}

// Only the block of option on, or every block with OptionCount.
void setOnly(GeneratorSettings::Option option)
{
    for (const Block& block : kBlocks)
        settings.set(block.option, option == GeneratorSettings::OptionCount || option == block.option);
}

void setLossy(bool on)
{
    settings.set(GeneratorSettings::LossyCompression, on);
}

struct Result
{
    double ms = 0;
    Tally tally;
};

// Runs the export with the settings as they stand, best time of runs.
Result measure(const QPixmap& plain, int runs,
               const QString& effects = QStringLiteral("TopGlossyItem;RoundedEdgesItem;"))
{
    Result best;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir dir;
        IconSetExport exportRun(dir.path(), QStringLiteral("Bench"), effects, settings);
        QElapsedTimer timer;
        timer.start();
        exportRun.run(plain.toImage());
        const double ms = timer.nsecsElapsed() / 1e6;
        if (run == 0 || ms < best.ms)
            best.ms = ms;
        best.tally = tally(dir.path() + QStringLiteral("/Icons"));
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    const QPixmap plain = makeMaster();

    std::printf("Export of every platform set from a 1024 x 1024 picture (best of %d runs)\n\n", runs);
    std::printf("%-14s %8s %12s %14s %8s %12s %14s %8s\n", "block", "files", "lossless ms", "lossless bytes",
                "", "lossy ms", "lossy bytes", "saving");

    Result totals[2];
    for (const Block& block : kBlocks) {
        setOnly(block.option);
        setLossy(false);
        const Result lossless = measure(plain, runs);
        setLossy(true);
        const Result lossy = measure(plain, runs);
        std::printf("%-14s %8d %12.0f %14lld %8s %12.0f %14lld %7.1f%%\n", block.name, lossless.tally.files,
                    lossless.ms, static_cast<long long>(lossless.tally.bytes), "", lossy.ms,
                    static_cast<long long>(lossy.tally.bytes),
                    100.0 * (1.0 - double(lossy.tally.bytes) / double(lossless.tally.bytes)));
    }

    setOnly(GeneratorSettings::OptionCount);
    setLossy(false);
    totals[0] = measure(plain, runs);
    setLossy(true);
    totals[1] = measure(plain, runs);
    std::printf("%-14s %8d %12.0f %14lld %8s %12.0f %14lld %7.1f%%\n", "all (one run)", totals[0].tally.files,
                totals[0].ms, static_cast<long long>(totals[0].tally.bytes), "", totals[1].ms,
                static_cast<long long>(totals[1].tally.bytes),
                100.0 * (1.0 - double(totals[1].tally.bytes) / double(totals[0].tally.bytes)));

    std::printf("\nWhole export of a photo-like master read from a PNG file (best of %d runs)\n\n", runs);
    std::printf("%-24s %8s %12s %14s %8s %12s %14s\n", "master, effects", "files", "lossless ms",
                "lossless bytes", "", "lossy ms", "lossy bytes");
    const QImage photo = argc > 2 ? QImage(QString::fromLocal8Bit(argv[2])) : grainy(plain);
    if (photo.isNull())
        return 1;
    const struct
    {
        const char* name;
        QImage picture;
    } kinds[] = { { "colour", photo }, { "grayscale", photo.convertToFormat(QImage::Format_Grayscale8) } };
    QTemporaryDir pictures;
    for (const auto& kind : kinds) {
        const QString file = pictures.filePath(QLatin1String(kind.name) + QStringLiteral(".png"));
        QPixmap kindPlain;
        if (!kind.picture.save(file)
            || MasterPicture::load(file, QSize(1024, 1024), &kindPlain) != MasterPicture::Scaled)
            return 1;
        // Without effects the icons stay opaque; gloss and rounded edges add colour and alpha.
        for (const QString& effects : { QString(), QStringLiteral("TopGlossyItem;RoundedEdgesItem;") }) {
            setLossy(false);
            const Result lossless = measure(kindPlain, runs, effects);
            setLossy(true);
            const Result lossy = measure(kindPlain, runs, effects);
            const QString name
                = QLatin1String(kind.name) + (effects.isEmpty() ? ", none" : ", gloss+rounded");
            std::printf("%-24s %8d %12.0f %14lld %8s %12.0f %14lld\n", qPrintable(name), lossless.tally.files,
                        lossless.ms, static_cast<long long>(lossless.tally.bytes), "", lossy.ms,
                        static_cast<long long>(lossy.tally.bytes));
        }
    }
    return 0;
}
