// The main page and the shell's dialogs as the program shows them: under the
// application's style sheet and with the fonts of this machine, so the checks
// look at geometries and at where text lands, never at whole pictures.

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

// The widget drawn twice, with its text and without; the pixels that differ
// are the text's.
struct TextPicture
{
    QImage withText, without;

    template<class W> explicit TextPicture(W* widget, QWidget* drawn)
    {
        widget->setFixedSize(widget->size());
        const QString text = widget->text();
        withText = drawn->grab().toImage();
        widget->setText(QString());
        without = drawn->grab().toImage();
        widget->setText(text);
    }
    bool isText(int x, int y) const { return qGray(withText.pixel(x, y)) != qGray(without.pixel(x, y)); }
};
} // namespace

class TestStyledLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageAddsUp_data();
    void pageAddsUp();
    void videoTextClearsThePlayDisc();
    void legalTextIsReadableEverywhere();

private:
    TestApp m_app;
};

void TestStyledLook::initTestCase()
{
    m_app.setStyleSheet(applicationStyleSheet());
}

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
    TestSupport::dropFiles(
        creator->dropArea(),
        { TestSupport::writePicture(dir, QStringLiteral("a.png"), QSize(1024, 1024), Qt::red) });
    for (int i = 0; i < toggles; ++i)
        QTest::mouseClick(creator->optionsButton(), Qt::LeftButton);
    const bool open = toggles % 2 == 1;
    QCOMPARE(creator->effects()->isVisible(), open);
    QCoreApplication::processEvents();

    // The panel and the spacing above it make the page taller, by as much as the creator.
    QCOMPARE(page.size(), QSize(290, open ? 580 : 390));
    QCOMPARE(page.menuBar()->height(), 45);
    const QRect inside = page.contentsRect();
    QVERIFY(inside.contains(page.menuBar()->geometry()));
    QVERIFY(inside.contains(creator->geometry()));

    // Drop area, buttons and panel lie inside the page, 10 pixels apart at least.
    QList<QWidget*> rows { creator->dropArea(), creator->saveButton() };
    if (open)
        rows.append(creator->effects());
    QRect above;
    for (QWidget* row : qAsConst(rows)) {
        const QRect rect = rectIn(row, &page);
        QVERIFY2(inside.contains(rect), row->metaObject()->className());
        if (above.isValid())
            QVERIFY2(rect.top() - above.bottom() - 1 >= 10, row->metaObject()->className());
        above = rect;
    }
}

void TestStyledLook::videoTextClearsThePlayDisc()
{
    QMWidgets::HelpDialog dialog({}, QStringLiteral("https://video.example"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QPushButton* video = dialog.videoButton();
    const TextPicture picture(video, video);

    // The disc is the white in the middle rows of the bare picture; every text
    // pixel lies right of it.
    const int height = video->height();
    int discRight = -1, textLeft = video->width();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < video->width(); ++x) {
            if (qRed(picture.without.pixel(x, y)) > 200 && x < video->width() / 2 && y > height / 4
                && y < height * 3 / 4)
                discRight = qMax(discRight, x);
            if (picture.isText(x, y))
                textLeft = qMin(textLeft, x);
        }
    }
    QVERIFY(discRight > 0);
    QVERIFY(textLeft < video->width());
    QVERIFY2(textLeft > discRight,
             qPrintable(QStringLiteral("text from x %1, disc to %2").arg(textLeft).arg(discRight)));
}

void TestStyledLook::legalTextIsReadableEverywhere()
{
    QMWidgets::AboutDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* legal = dialog.findChild<QFrame*>(QStringLiteral("AboutLegalInfo"));
    QVERIFY(legal);
    auto* label = legal->findChild<QLabel*>();
    const TextPicture picture(label, legal);

    // In every patch of the label that holds text, its strongest pixel stands
    // well apart from what lies behind it.
    const QRect text = rectIn(label, legal);
    for (int top = text.top(); top < text.bottom(); top += 16) {
        for (int left = text.left(); left < text.right(); left += 24) {
            int pixels = 0, contrast = 0;
            for (int y = top; y < qMin(top + 16, text.bottom()); ++y) {
                for (int x = left; x < qMin(left + 24, text.right()); ++x) {
                    pixels += picture.isText(x, y);
                    contrast = qMax(
                        contrast,
                        qAbs(qGray(picture.withText.pixel(x, y)) - qGray(picture.without.pixel(x, y))));
                }
            }
            QVERIFY2(pixels < 12 || contrast >= 128,
                     qPrintable(QStringLiteral("contrast %1 at (%2, %3)").arg(contrast).arg(left).arg(top)));
        }
    }
}

QTEST_APPLESS_MAIN(TestStyledLook)

#include "tst_styledlook.moc"
