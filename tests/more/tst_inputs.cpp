// Drop widget, input dialog, e-mail field and search field, driven by real
// drops, keys and clicks; dialogs are answered through the shell's seams.

#include "dialogrunner.h"
#include "dialogseams.h"
#include "inputs/dropwidget.h"
#include "inputs/emailedit.h"
#include "inputs/inputdialog.h"
#include "inputs/searchfilter.h"
#include "os.h"
#include "pixelcompare.h"
#include "testapp.h"
#include "testpictures.h"

#include <QDesktopWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace QMWidgets;

namespace {
void activate(QWidget* window, QWidget* focus)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    focus->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focus);
}

} // namespace

class TestInputs : public QObject
{
    Q_OBJECT

private slots:
    void init() { QCOMPARE(TestSupport::clearDialogSeams(), 0); }

    void drops_data()
    {
        QTest::addColumn<QList<QUrl>>("urls"); // none: a drag of text only
        QTest::addColumn<bool>("hideOnDrop");
        const QList<QUrl> files = { QUrl::fromLocalFile("/p/c.jpg"), QUrl::fromLocalFile("/p/a.jpg"),
                                    QUrl::fromLocalFile("/q/b.png") };
        QTest::newRow("text only") << QList<QUrl>() << true;
        QTest::newRow("three files") << files << true;
        QTest::newRow("three files, stays shown") << files << false;
        QTest::newRow("web address") << QList<QUrl> { QUrl("https://example.org/x.png") } << true;
    }

    void drops()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, hideOnDrop);
        DropWidget widget;
        widget.setHideOnDrop(hideOnDrop);
        widget.show();
        QSignalSpy dropped(&widget, &DropWidget::dropped);
        QMimeData data;
        if (urls.isEmpty())
            data.setText(QStringLiteral("/p/c.jpg"));
        else
            data.setUrls(urls);

        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &enter);
        QCOMPARE(enter.isAccepted(), !urls.isEmpty());
        TestSupport::dropMimeData(&widget, data);
        QCOMPARE(dropped.count(), urls.isEmpty() ? 0 : 1);
        if (!urls.isEmpty())
            QCOMPARE(dropped.first().first().value<QList<QUrl>>(), urls);
        QCOMPARE(widget.isVisible(), urls.isEmpty() || !hideOnDrop);
    }

    void chooser_data()
    {
        QTest::addColumn<int>("openFiles");
        QTest::addColumn<QStringList>("answer");
        QTest::newRow("files") << 1 << QStringList { "/p/b.jpg", "/p/a b.jpg" };
        QTest::newRow("folder") << 0 << QStringList { "/p" };
        QTest::newRow("cancelled") << 0 << QStringList();
    }

    void chooser()
    {
        QFETCH(int, openFiles);
        QFETCH(QStringList, answer);
        DropWidget widget;
        widget.setOpenFiles(openFiles);
        widget.show();
        QSignalSpy dropped(&widget, &DropWidget::dropped);
        Os::setNextFileDialogAnswer(answer);
        QTest::mouseClick(widget.openButton(), Qt::LeftButton);

        QCOMPARE(Os::fileDialogRequests().size(), 1);
        QCOMPARE(Os::fileDialogRequests().first().options.testFlag(QFileDialog::ShowDirsOnly),
                 openFiles == 0);
        QCOMPARE(dropped.count(), answer.isEmpty() ? 0 : 1);
        QCOMPARE(widget.isVisible(), answer.isEmpty());
        if (!answer.isEmpty())
            QCOMPARE(dropped.first().first().value<QList<QUrl>>().last().toLocalFile(), answer.last());
    }

    void inputDialogHelpers_data()
    {
        QTest::addColumn<bool>("text"); // getText, else getInt
        QTest::addColumn<QString>("typed"); // null: nothing typed
        QTest::addColumn<QString>("button"); // empty: Escape
        QTest::addColumn<QString>("result");
        const auto row
            = [](const char* name, bool text, const char* typed, const char* button, const char* result) {
                  QTest::newRow(name) << text << QString(typed) << QString(button) << QString(result);
              };
        row("text kept", true, nullptr, "Ok", "first");
        row("text typed", true, "second", "Ok", "second");
        row("text cancelled", true, "third", "Cancel", "third");
        row("text escaped", true, "fourth", "", "fourth");
        row("number kept", false, nullptr, "Ok", "500");
        row("number typed", false, "750", "Ok", "750");
        row("number cancelled", false, "20", "Cancel", "20");
    }

    void inputDialogHelpers()
    {
        QFETCH(bool, text);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, result);
        DialogRunner::setNextHandler([typed, button](QDialog& dialog) {
            auto& input = static_cast<InputDialog&>(dialog);
            QWidget* field = input.mode() == 0 ? static_cast<QWidget*>(input.spinBox()) : input.lineEdit();
            if (!typed.isNull()) {
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(field, typed);
            }
            return TestSupport::answerDialog(dialog, button);
        });
        const bool ok = button == QLatin1String("Ok");
        bool accepted = !ok;
        QCOMPARE(
            text ? InputDialog::getText(nullptr, "Name", "Name:", QLineEdit::Normal, "first", &accepted)
                 : QString::number(InputDialog::getInt(nullptr, "Size", "Size:", 500, 0, 1000, &accepted)),
            result);
        QCOMPARE(accepted, ok);
    }

    void scaledScreenSide_data()
    {
        const QRect desktop = QApplication::desktop()->geometry();
        const int side = qMin(desktop.width(), desktop.height());
        QTest::addColumn<float>("divisor");
        QTest::addColumn<int>("result");
        QTest::newRow("truncated") << 7.0f << side / 7;
        QTest::newRow("zero") << 0.0f << side;
        QTest::newRow("negative") << -3.0f << side;
        QTest::newRow("not a number") << std::nanf("") << side;
        QTest::newRow("tiny") << 1e-30f << std::numeric_limits<int>::max();
    }

    void scaledScreenSide()
    {
        QFETCH(float, divisor);
        QFETCH(int, result);
        QCOMPARE(InputDialog::scaledScreenSide(divisor), result);
    }

    void emailButtonsFollowTheWholeText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("two-letter top level") << "jo.doe@example.de" << true;
        QTest::newRow("top level cut off") << "jo.doe@example." << false;
        QTest::newRow("address inside a text") << "mail jo@example.de now" << false;
        QTest::newRow("leading blank") << " jo@example.de" << false;
    }

    void emailButtonsFollowTheWholeText()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        EmailEdit edit;
        edit.show();
        QSignalSpy email(&edit, &EmailEdit::sendEmail);
        QSignalSpy ecard(&edit, &EmailEdit::sendECard);
        QTest::keyClicks(edit.lineEdit(), typed);
        QTest::mouseClick(edit.emailButton(), Qt::LeftButton);
        QTest::mouseClick(edit.ecardButton(), Qt::LeftButton);
        QCOMPARE(email.count() + ecard.count(), enabled ? 2 : 0);
        if (enabled)
            QCOMPARE(email.first().first().toString(), typed);
        // A text set by the host is judged the same way.
        edit.setText(enabled ? QStringLiteral("nobody") : QStringLiteral("jo@example.org"));
        QCOMPARE(edit.emailButton()->isEnabled() && edit.ecardButton()->isEnabled(), !enabled);
    }

    void escapeBelongsToTheField_data()
    {
        QTest::addColumn<int>("focused"); // the first field, the second, a button
        QTest::addColumn<QStringList>("afterEscape"); // texts of the two fields
        QTest::newRow("in the first field") << 0 << QStringList { "", "two" };
        QTest::newRow("in the second field") << 1 << QStringList { "one", "" };
        QTest::newRow("on a button") << 2 << QStringList { "one", "two" };
    }

    void escapeBelongsToTheField()
    {
        QFETCH(int, focused);
        QFETCH(QStringList, afterEscape);
        QDialog dialog;
        auto* first = new SearchFilter;
        auto* second = new SearchFilter;
        const QList<QWidget*> widgets = { first, second, new QPushButton(QStringLiteral("Button")) };
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* widget : widgets)
            layout->addWidget(widget);
        activate(&dialog, first);
        QTest::keyClicks(first, QStringLiteral("one"));
        second->setText(QStringLiteral("two"));
        activate(&dialog, widgets.at(focused));

        QTest::keyClick(widgets.at(focused), Qt::Key_Escape);
        QCOMPARE((QStringList { first->text(), second->text() }), afterEscape);
        QCOMPARE(!first->clearButton()->isHidden(), !first->text().isEmpty());
        // Escape reaches the dialog once the focused field is empty.
        if (focused < 2) {
            QVERIFY(dialog.isVisible());
            QTest::keyClick(widgets.at(focused), Qt::Key_Escape);
        }
        QVERIFY(!dialog.isVisible());
    }

    void searchFieldHintAndMagnifier()
    {
        // A dark field shows the white hint unless focused; the test's magnifier is red.
        QWidget window;
        auto* field = new SearchFilter(&window);
        auto* other = new QPushButton(&window);
        field->setGeometry(0, 0, 200, 30);
        other->move(0, 40);
        QPalette dark = field->palette();
        dark.setColor(QPalette::Base, Qt::black);
        field->setPalette(dark);
        for (bool focused : { false, true }) {
            activate(&window, focused ? static_cast<QWidget*>(field) : other);
            const QImage shown = field->grab().toImage();
            QCOMPARE(TestSupport::colorsOf(shown.copy(5, 0, 100, 30)).contains(qRgb(255, 255, 255)),
                     !focused);
            QVERIFY(TestSupport::colorsOf(shown.copy(170, 0, 30, 30)).contains(qRgb(255, 0, 0)));
        }
    }
};

LUMASTRAND_APP_TEST_MAIN(TestInputs)
#include "tst_inputs.moc"
