#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QWidget>

namespace QMWidgets {

// Base of a settings page. A host writes its pages as subclasses and registers
// each once with SettingsDialog::registerPage(). Every settings dialog shows
// the registered pages as tabs, applies them, and saves or loads all of them
// as one ".tssettings" file, in which each page keeps one element.
class SettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsWidget(QWidget* parent = nullptr);

    // Takes the page's element from a settings file.
    virtual void loadSettings(const QDomElement& element) = 0;
    // An element made in document holding the page's settings. To be found
    // again on loading, its tag name must be settingsName().
    virtual QDomElement saveSettings(QDomDocument& document) = 0;
    // The tag name of the page's element.
    virtual QString settingsName() = 0;

public slots:
    // Applies the page's edited values; does nothing unless overridden.
    virtual void slotApply();
};

} // namespace QMWidgets
