#include "ratedialog.h"

#include "app.h"

#include <QPushButton>

namespace QMWidgets {

RateDialog::RateDialog(QWidget* parent)
    : ReminderStateDialog(parent)
{
    setObjectName(QStringLiteral("RateDialog"));
    const QString name = QCoreApplication::applicationName();
    setText(tr("<H2>Do you like %1?</H2>If it is useful to you, please take a moment to rate it. "
               "Your rating helps others find it. Thank you!")
                .arg(name));

    QPushButton* rate = addAnswerButton(tr("Rate"), Rate);
    QPushButton* mail = addAnswerButton(tr("Mail"), Mail);
    addAnswerButton(tr("Later"), Later);
    addAnswerButton(tr("Don't ask me again"), Never);
    rate->setToolTip(tr("Open the rating page"));
    mail->setToolTip(tr("Write to us"));
    rate->setDefault(true);

    connect(rate, &QPushButton::clicked, this, [] {
        if (App* application = App::instance())
            application->slotRate();
    });
    connect(mail, &QPushButton::clicked, this, [] {
        if (App* application = App::instance())
            application->slotContact();
    });
}

} // namespace QMWidgets
