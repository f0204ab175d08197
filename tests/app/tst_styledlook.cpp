// The main page and the shell's dialogs as the program shows them: under the
// application's style sheet and with this machine's fonts, so the checks look
// at geometries and at where text lands, never at whole pictures.

#include "aboutdialog.h"
#include "creator.h"
#include "creatordroparea.h"
#include "creatoreffects.h"
#include "helpdialog.h"
#include "mainpage.h"
#include "promomenubar.h"
#include "stylesheet.h"
#include "testapp.h"
#include "testpictures.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QRect rectIn(const QWidget* widget, const QWidget* ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// What drawn looks like with the text of widget and without it.
template<class W> QPair<QImage, QImage> withAndWithoutText(W* widget, QWidget* drawn)
{
    widget->setFixedSize(widget->size());
    const QImage with = drawn->grab().toImage();
    widget->setText(QString());
    return { with, drawn->grab().toImage() };
}
} // namespace

class TestStyledLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_app.setStyleSheet(applicationStyleSheet()); }
    void pageAddsUp_data();
    void pageAddsUp();
    void videoTextClearsThePlayDisc();
    void legalTextIsReadableEverywhere();

private:
    TestApp m_app;
};

void TestStyledLook::pageAddsUp_data()
{
    QTest::addColumn<int>("toggles"); // clicks on "Options>>"
    QTest::newRow("closed") << 0;
    QTest::newRow("open") << 1;
    QTest::newRow("closed again") << 2;
}

void TestStyledLook::pageAddsUp()
{
    QFETCH(int, toggles);
    MainPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    Creator* creator = page.creator();
    QTemporaryDir dir;
    TestSupport::dropFiles(creator->dropArea(),
                           { TestSupport::writePicture(dir, "a.png", { 1024, 1024 }, Qt::red) });
    for (int i = 0; i < toggles; ++i)
        QTest::mouseClick(creator->optionsButton(), Qt::LeftButton);
    const bool open = toggles % 2 == 1;
    QCOMPARE(creator->effects()->isVisible(), open);

    // The page grows by the panel and the spacing above it, as the creator does.
    QCOMPARE(page.size(), QSize(290, open ? 580 : 390));
    QCOMPARE(page.menuBar()->height(), 45);
    // Menu bar, drop area, buttons and panel lie inside the page, the last three 10 pixels apart at least.
    QVERIFY(page.contentsRect().contains(page.menuBar()->geometry()));
    QRect above;
    for (QWidget* row : QList<QWidget*> { creator->dropArea(), creator->saveButton(), creator->effects() }) {
        if (row->isHidden())
            continue;
        const QRect rect = rectIn(row, &page);
        QVERIFY2(page.contentsRect().contains(rect), row->metaObject()->className());
        QVERIFY2(above.isNull() || rect.top() - above.bottom() > 10, row->metaObject()->className());
        above = rect;
    }
}

void TestStyledLook::videoTextClearsThePlayDisc()
{
    QMWidgets::HelpDialog dialog({}, "https://video.example");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QPushButton* video = dialog.videoButton();
    const auto [with, without] = withAndWithoutText(video, video);

    // The disc is the white of the middle rows of the bare button's left half.
    const int width = video->width(), height = video->height();
    int discRight = -1, textLeft = width;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x < width / 2 && y > height / 4 && y < height * 3 / 4 && qRed(without.pixel(x, y)) > 200)
                discRight = qMax(discRight, x);
            if (with.pixel(x, y) != without.pixel(x, y))
                textLeft = qMin(textLeft, x);
        }
    }
    QVERIFY(discRight > 0 && textLeft < width);
    QVERIFY2(textLeft > discRight,
             qPrintable(QString("text from x %1, disc to %2").arg(textLeft).arg(discRight)));
}

void TestStyledLook::legalTextIsReadableEverywhere()
{
    QMWidgets::AboutDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* legal = dialog.findChild<QFrame*>("AboutLegalInfo");
    auto* label = legal->findChild<QLabel*>();
    const QRect text = rectIn(label, legal);
    const auto [with, without] = withAndWithoutText(label, legal);

    // Every 24 x 16 patch that holds text has a pixel that stands well apart from what lies behind it.
    for (int top = text.top(); top < text.bottom(); top += 16) {
        for (int left = text.left(); left < text.right(); left += 24) {
            int pixels = 0, contrast = 0;
            for (int y = top; y < qMin(top + 16, text.bottom()); ++y) {
                for (int x = left; x < qMin(left + 24, text.right()); ++x) {
                    const int difference = qAbs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y)));
                    pixels += difference > 0;
                    contrast = qMax(contrast, difference);
                }
            }
            QVERIFY2(pixels < 12 || contrast >= 128,
                     qPrintable(QString("contrast %1 at %2, %3").arg(contrast).arg(left).arg(top)));
        }
    }
}

QTEST_APPLESS_MAIN(TestStyledLook)

#include "tst_styledlook.moc"
