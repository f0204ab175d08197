// Drop widget, input dialog, e-mail and search fields, driven by real drops, keys and clicks.

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

#include <QtTest>
#include <QtWidgets>

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

    void filesArrive_data()
    {
        QTest::addColumn<int>("chooser"); // -1: dropped, else the chooser's mode (0: a folder)
        QTest::addColumn<QList<QUrl>>("urls"); // none: a drag of text only, or a cancelled chooser
        QTest::addColumn<bool>("hideOnDrop");
        const QList<QUrl> files = { QUrl::fromLocalFile("/p/c.jpg"), QUrl::fromLocalFile("/p/a b.jpg"),
                                    QUrl::fromLocalFile("/q/b.png") };
        QTest::newRow("text only") << -1 << QList<QUrl>() << true;
        QTest::newRow("three files") << -1 << files << true;
        QTest::newRow("three files, stays shown") << -1 << files << false;
        QTest::newRow("files chosen") << 1 << files << true;
        QTest::newRow("folder chosen") << 0 << QList<QUrl> { QUrl::fromLocalFile("/p") } << true;
        QTest::newRow("folder cancelled") << 0 << QList<QUrl>() << true;
    }

    void filesArrive()
    {
        QFETCH(int, chooser);
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, hideOnDrop);
        DropWidget widget;
        widget.setHideOnDrop(hideOnDrop);
        widget.show();
        QSignalSpy dropped(&widget, &DropWidget::dropped);
        if (chooser >= 0) {
            widget.setOpenFiles(chooser);
            Os::setNextFileDialogAnswer(QUrl::toStringList(urls, QUrl::PreferLocalFile));
            QTest::mouseClick(widget.openButton(), Qt::LeftButton);
            QCOMPARE(Os::fileDialogRequests().value(0).options.testFlag(QFileDialog::ShowDirsOnly),
                     chooser == 0);
        } else {
            QMimeData data;
            if (urls.isEmpty())
                data.setText(QStringLiteral("/p/c.jpg"));
            else
                data.setUrls(urls);
            // Shift proposes a move; the widget takes a copy.
            Qt::DropAction entered = Qt::MoveAction;
            const Qt::DropAction taken = urls.isEmpty() ? Qt::IgnoreAction : Qt::CopyAction;
            QCOMPARE(TestSupport::dropMimeData(&widget, data, &entered), taken);
            QCOMPARE(entered, taken);
        }
        QCOMPARE(dropped.count(), urls.isEmpty() ? 0 : 1);
        QCOMPARE(dropped.value(0).value(0).value<QList<QUrl>>(), urls);
        QCOMPARE(widget.isVisible(), urls.isEmpty() || !hideOnDrop);
    }

    void inputDialogHelpers_data()
    {
        QTest::addColumn<int>("text"); // getText's echo mode, -1: getInt
        QTest::addColumn<QString>("typed"); // null: nothing typed
        QTest::addColumn<QString>("button"); // empty: Escape
        QTest::addColumn<QString>("result");
        const auto row
            = [](const char* name, int text, const char* typed, const char* button, const char* result) {
                  QTest::newRow(name) << text << QString(typed) << QString(button) << QString(result);
              };
        row("text kept", QLineEdit::Normal, nullptr, "Ok", "first");
        row("password typed", QLineEdit::Password, "second", "Ok", "second");
        row("text cancelled", QLineEdit::NoEcho, "third", "Cancel", "third");
        row("text escaped", QLineEdit::Normal, "fourth", "", "fourth");
        row("number kept", -1, nullptr, "Ok", "500");
        row("number typed, the largest", -1, "1000", "Ok", "1000");
        row("number cancelled", -1, "20", "Cancel", "20");
    }

    void inputDialogHelpers()
    {
        QFETCH(int, text);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, result);
        int echo = -1;
        DialogRunner::setNextHandler([&](QDialog& dialog) {
            auto& input = static_cast<InputDialog&>(dialog);
            QWidget* field = input.mode() == 0 ? static_cast<QWidget*>(input.spinBox()) : input.lineEdit();
            echo = input.mode() == 0 ? -1 : input.lineEdit()->echoMode();
            if (!typed.isNull()) {
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(field, typed);
            }
            return TestSupport::answerDialog(dialog, button);
        });
        const bool ok = button == QLatin1String("Ok");
        bool accepted = !ok;
        QCOMPARE(text >= 0 ? InputDialog::getText(nullptr, "Name", "Name:", QLineEdit::EchoMode(text),
                                                  "first", &accepted)
                           : QString::number(
                               InputDialog::getInt(nullptr, "Size", "Size:", 500, 0, 1000, &accepted)),
                 result);
        QCOMPARE(accepted, ok);
        QCOMPARE(echo, text);
    }

    void scaledScreenSide()
    {
        const QRect desktop = QApplication::desktop()->geometry();
        const int side = qMin(desktop.width(), desktop.height());
        QCOMPARE(InputDialog::scaledScreenSide(7.0f), side / 7);
        // No divisor, or none that makes sense, gives the whole side; a tiny one the largest int.
        for (float divisor : { 0.0f, -3.0f, std::nanf("") })
            QCOMPARE(InputDialog::scaledScreenSide(divisor), side);
        QCOMPARE(InputDialog::scaledScreenSide(1e-30f), std::numeric_limits<int>::max());
    }

    void emailButtonsFollowTheWholeText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("two-letter top level") << "jo.doe@example.de" << true;
        QTest::newRow("address inside a text") << "mail jo@example.de now" << false;
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
        QCOMPARE(QList<int>({ email.count(), ecard.count() }), QList<int>({ enabled, enabled }));
        QCOMPARE(email.value(0).value(0).toString() + ecard.value(0).value(0).toString(),
                 enabled ? typed + typed : "");
        // A text set by the host is judged the same way.
        edit.setText(enabled ? QStringLiteral("nobody") : QStringLiteral("jo@example.org"));
        QCOMPARE(edit.emailButton()->isEnabled() && edit.ecardButton()->isEnabled(), !enabled);
    }

    void emailFieldMayBeDeletedFromItsSignals_data()
    {
        // The host deletes the field from each of its own signals. textChanged() comes here
        // from the public slot: from typing or setText() QLineEdit itself goes on after the
        // signal, whatever the field does.
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QString>("button"); // clicked with a valid address; empty: the slot is called
        QTest::newRow("textChanged") << QByteArray(SIGNAL(textChanged(QString))) << QString();
        QTest::newRow("sendEmail") << QByteArray(SIGNAL(sendEmail(QString))) << "EmailEditButton";
        QTest::newRow("sendECard") << QByteArray(SIGNAL(sendECard(QString))) << "CardEditButton";
    }

    void emailFieldMayBeDeletedFromItsSignals()
    {
        QFETCH(QByteArray, signal);
        QFETCH(QString, button);
        QWidget window;
        m_deleted = new EmailEdit(&window);
        window.show();
        auto* edit = static_cast<EmailEdit*>(m_deleted.data());
        edit->setText(QStringLiteral("jo@example.de"));
        QSignalSpy announced(edit, signal.constData());
        connect(edit, signal.constData(), this, SLOT(deleteWidget()));
        if (button.isEmpty())
            edit->slotTextChanged();
        else
            QTest::mouseClick(edit->findChild<QPushButton*>(button), Qt::LeftButton);
        QVERIFY(m_deleted.isNull());
        QCOMPARE(announced.value(0).value(0).toString(), QStringLiteral("jo@example.de"));
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
        auto *first = new SearchFilter(&dialog), *second = new SearchFilter(&dialog);
        const QList<QWidget*> widgets = { first, second, new QPushButton(&dialog) };
        second->move(0, 40);
        activate(&dialog, first);
        QTest::keyClicks(first, QStringLiteral("one"));
        second->setText(QStringLiteral("two"));
        activate(&dialog, widgets.at(focused));

        QTest::keyClick(widgets.at(focused), Qt::Key_Escape);
        QCOMPARE((QStringList { first->text(), second->text() }), afterEscape);
        // Escape reaches the dialog once the focused field is empty.
        if (focused < 2) {
            QVERIFY(dialog.isVisible());
            QTest::keyClick(widgets.at(focused), Qt::Key_Escape);
        }
        QVERIFY(!dialog.isVisible());
    }

    void searchFieldPaintsHintAndText()
    {
        // A dark field shows the white hint unless focused.
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
        }

        // Typed in white, the text ends left of the clear button: the last characters stay in
        // sight, none run under the button.
        dark.setColor(QPalette::Text, Qt::white);
        field->setPalette(dark);
        QTest::keyClicks(field, QString(40, QLatin1Char('W')));
        const QRect button = field->clearButton()->geometry();
        QVERIFY(field->clearButton()->isVisible() && button.right() == field->width() - 1);
        const QImage shown = field->grab().toImage();
        const auto lit = [&](int left, int right) {
            int count = 0;
            for (int x = left; x < right; ++x) {
                for (int y = 4; y < 26; ++y)
                    count += qGray(shown.pixel(x, y)) > 128;
            }
            return count;
        };
        QVERIFY(lit(button.left() - 12, button.left()) > 10);
        QCOMPARE(lit(button.left(), field->width() - 3), 0);
    }

public slots:
    void deleteWidget() { delete m_deleted.data(); }

private:
    QPointer<QWidget> m_deleted;
};

LUMASTRAND_APP_TEST_MAIN(TestInputs)
#include "tst_inputs.moc"
