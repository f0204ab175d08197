// The "Inputs" page: the drop widget with its two host settings, the e-mail
// field, two search fields and the input dialog's helpers.
#include "gallerypages.h"
#include "inputs/dropwidget.h"
#include "inputs/emailedit.h"
#include "inputs/inputdialog.h"
#include "inputs/searchfilter.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget* dropColumn(QPlainTextEdit* log)
{
    auto* drop = new QMWidgets::DropWidget;
    drop->setFixedSize(360, 300);
    auto* hide = new QCheckBox(QStringLiteral("Hide on drop"));
    hide->setChecked(drop->hideOnDrop());
    auto* folder = new QCheckBox(QStringLiteral("Button chooses a folder"));
    auto* showAgain = new QPushButton(QStringLiteral("Show the drop widget again"));
    QObject::connect(hide, &QCheckBox::toggled, drop, &QMWidgets::DropWidget::setHideOnDrop);
    QObject::connect(folder, &QCheckBox::toggled, drop, [drop](bool on) { drop->setOpenFiles(on ? 0 : 1); });
    QObject::connect(showAgain, &QPushButton::clicked, drop, &QWidget::show);
    QObject::connect(drop, &QMWidgets::DropWidget::dropped, log, [log](const QList<QUrl>& urls) {
        for (const QUrl& url : urls)
            log->appendPlainText(QStringLiteral("dropped: ") + url.toString());
    });

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(drop);
    layout->addWidget(hide);
    layout->addWidget(folder);
    layout->addWidget(showAgain);
    layout->addStretch(1);
    return column;
}

QWidget* fieldsColumn(QPlainTextEdit* log)
{
    auto* email = new QMWidgets::EmailEdit;
    QObject::connect(email, &QMWidgets::EmailEdit::sendEmail, log, [log](const QString& text) {
        log->appendPlainText(QStringLiteral("send email: ") + text);
    });
    QObject::connect(email, &QMWidgets::EmailEdit::sendECard, log, [log](const QString& text) {
        log->appendPlainText(QStringLiteral("send ecard: ") + text);
    });

    auto* askText = new QPushButton(QStringLiteral("Ask for a text..."));
    QObject::connect(askText, &QPushButton::clicked, log, [log, askText] {
        bool ok = false;
        const QString text = QMWidgets::InputDialog::getText(askText->window(), QStringLiteral("Text"),
                                                             QStringLiteral("Your text:"), QLineEdit::Normal,
                                                             QStringLiteral("Grüße"), &ok);
        log->appendPlainText(QStringLiteral("text: \"%1\" %2").arg(text, ok ? "(ok)" : "(cancelled)"));
    });
    auto* askNumber = new QPushButton(QStringLiteral("Ask for a number..."));
    QObject::connect(askNumber, &QPushButton::clicked, log, [log, askNumber] {
        bool ok = false;
        const int value
            = QMWidgets::InputDialog::getInt(askNumber->window(), QStringLiteral("Number"),
                                             QStringLiteral("A number from 0 to 1000:"), 500, 0, 1000, &ok);
        log->appendPlainText(QStringLiteral("number: %1 %2").arg(value).arg(ok ? "(ok)" : "(cancelled)"));
    });

    auto* column = new QWidget;
    auto* form = new QFormLayout(column);
    form->addRow(QStringLiteral("EmailEdit:"), email);
    form->addRow(QStringLiteral("SearchFilter:"), new QMWidgets::SearchFilter);
    form->addRow(QStringLiteral("another one:"), new QMWidgets::SearchFilter);
    form->addRow(QStringLiteral("InputDialog:"), askText);
    form->addRow(QString(), askNumber);
    form->addRow(QStringLiteral("scaledScreenSide(2):"),
                 new QLabel(QString::number(QMWidgets::InputDialog::scaledScreenSide(2.0f))));
    return column;
}

QWidget* inputsPage()
{
    auto* page = new QWidget;
    auto* log = new QPlainTextEdit;
    log->setReadOnly(true);
    auto* columns = new QHBoxLayout;
    columns->addWidget(dropColumn(log));
    columns->addWidget(fieldsColumn(log), 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(columns);
    layout->addWidget(log, 1);
    return page;
}

} // namespace

LUMASTRAND_GALLERY_PAGE(20, "Inputs", inputsPage);
