#pragma once

#include "settings/settingswidget.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

// A settings page for the gallery: a name, a size and a switch, saved as the
// attributes of its element. Applying reports the values through applied().
class DemoSettingsPage : public QMWidgets::SettingsWidget
{
    Q_OBJECT

public:
    explicit DemoSettingsPage(const QString& name, QWidget* parent = nullptr);

    void loadSettings(const QDomElement& element) override;
    QDomElement saveSettings(QDomDocument& document) override;
    QString settingsName() override { return m_name; }

signals:
    void applied(const QString& report);

public slots:
    void slotApply() override;

private:
    QString m_name;
    QLineEdit* m_text = nullptr;
    QSpinBox* m_size = nullptr;
    QCheckBox* m_switch = nullptr;
};
