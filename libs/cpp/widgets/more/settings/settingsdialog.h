#pragma once

#include <QDialog>
#include <QStringList>

class QTabWidget;

namespace QMWidgets {

// A tabbed settings dialog over the registered settings pages (see
// SettingsWidget and SettingsPages). It is empty until first shown; then it
// shows the pages registered so far as tabs. "&Apply" and "&Ok" apply every
// registered page; the two buttons at the top save and load the settings of
// every registered page as one ".tssettings" file.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // Registers page under name (see SettingsPages::add). Dialogs already shown
    // keep their tabs.
    static void registerPage(const QString& name, QWidget* page);

    QTabWidget* tabWidget() const { return m_tabWidget; }

public slots:
    void slotOk();
    void slotApply();
    void slotLoadSettings();
    void slotSaveSettings();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createContents();
    // Takes back the pages of this dialog's tabs that another dialog took.
    void reclaimPages();

    bool m_contentsCreated = false;
    QTabWidget* m_tabWidget = nullptr;
    // The names shown as tabs, in tab order.
    QStringList m_tabNames;
};

} // namespace QMWidgets
