#include "demosettingspage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

DemoSettingsPage::DemoSettingsPage(const QString& name, QWidget* parent)
    : SettingsWidget(parent)
    , m_name(name)
    , m_text(new QLineEdit(QStringLiteral("Grüße €")))
    , m_size(new QSpinBox)
    , m_switch(new QCheckBox(QStringLiteral("Switched on")))
{
    m_size->setRange(0, 1000);
    m_size->setValue(42);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Text:"), m_text);
    form->addRow(QStringLiteral("Size:"), m_size);
    form->addRow(QString(), m_switch);
}

void DemoSettingsPage::loadSettings(const QDomElement& element)
{
    m_text->setText(element.attribute(QStringLiteral("text")));
    m_size->setValue(element.attribute(QStringLiteral("size")).toInt());
    m_switch->setChecked(element.attribute(QStringLiteral("on")) == QLatin1String("1"));
}

QDomElement DemoSettingsPage::saveSettings(QDomDocument& document)
{
    QDomElement element = document.createElement(m_name);
    element.setAttribute(QStringLiteral("text"), m_text->text());
    element.setAttribute(QStringLiteral("size"), m_size->value());
    element.setAttribute(QStringLiteral("on"), m_switch->isChecked() ? 1 : 0);
    return element;
}

void DemoSettingsPage::slotApply()
{
    emit applied(QStringLiteral("%1 applied: \"%2\", %3, %4")
                     .arg(m_name, m_text->text())
                     .arg(m_size->value())
                     .arg(m_switch->isChecked() ? QStringLiteral("on") : QStringLiteral("off")));
}
