#include "reminderstatedialog.h"

#include "platform/desktopservices.h"
#include "widgetutils.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace QMWidgets {

ReminderStateDialog::ReminderStateDialog(QWidget* parent)
    : QDialog(parent)
    , m_logo(new QLabel(this))
    , m_text(new QLabel(this))
    , m_extra(new QHBoxLayout)
    , m_buttons(new QVBoxLayout)
{
    setWindowTitle(QCoreApplication::applicationName());
    m_logo->setObjectName(QStringLiteral("LogoLabel"));
    m_logo->setFixedSize(64, 64);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::RichText);
    m_text->setAlignment(Qt::AlignCenter);
    m_buttons->setSpacing(6);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(m_logo, 0, Qt::AlignHCenter);
    layout->addWidget(m_text);
    layout->addLayout(m_extra);
    layout->addLayout(m_buttons);
    setMinimumWidth(280);
}

void ReminderStateDialog::setText(const QString& html)
{
    m_text->setText(html);
}

QPushButton* ReminderStateDialog::addAnswerButton(const QString& text, int code)
{
    auto* button = new QPushButton(text, this);
    setupPushButton(button);
    m_buttons->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
    return button;
}

QPushButton* ReminderStateDialog::addLinkButton(const QString& objectName, const QString& toolTip, int code,
                                                const std::function<void()>& action)
{
    auto* button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setToolTip(toolTip);
    button->setFlat(true);
    button->setFixedSize(48, 48);
    m_extra->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, code, action] {
        action();
        done(code);
    });
    return button;
}

void ReminderStateDialog::addNetworkButtons(const QVector<Network>& networks, const QString& toolTip,
                                            const std::function<QString()>& baseLink)
{
    for (const Network& network : networks) {
        const QString key = QString::fromLatin1(network.key);
        addLinkButton(QString::fromLatin1(network.objectName),
                      toolTip.arg(QString::fromLatin1(network.label)), Rate, [key, baseLink] {
                          Platform::DesktopServices::openUrl(QUrl(baseLink() + QStringLiteral("&to=") + key));
                      });
    }
}

void ReminderStateDialog::done(int code)
{
    m_state = code;
    QDialog::done(code);
}

void ReminderStateDialog::reject()
{
    done(Closed);
}

} // namespace QMWidgets
