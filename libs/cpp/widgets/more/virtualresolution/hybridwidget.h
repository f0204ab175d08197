#pragma once

#include "virtualresolutiondialog.h"

#include <QRect>
#include <QWidget>

class QVBoxLayout;

namespace QMWidgets {

class VirtualResolutionWidget;

// A container that shows its content either as an ordinary window or at a
// virtual resolution: the content is then laid out at a fixed pixel size and
// drawn stretched into a scaling view of whatever size the user gives it.
class HybridWidget : public QWidget
{
    Q_OBJECT

public:
    explicit HybridWidget(QWidget* parent = nullptr);
    ~HybridWidget() override;

    void addWidget(QWidget* w);
    // Titles the container and the scaling view alike.
    void setWindowTitle(const QString& title);
    bool isVirtualResolutionMode() const { return m_virtualMode; }
    bool isFullScreenMode() const { return m_fullScreen; }

    VirtualResolutionWidget* resolutionView() const { return m_resolutionView; }
    // Null until the settings dialog was first shown.
    VirtualResolutionDialog* settingsDialog() const { return m_settingsDialog; }

public slots:
    void slotSetVirtualResolutionMode(bool on);
    void slotShowFullScreenMode(bool on);
    // A new virtual resolution; only in virtual mode, not remembered otherwise.
    void slotSetSize(QSize s);
    void slotSetMode(VirtualResolutionDialog::Mode m);
    // Takes mode and resolution from the settings dialog.
    void slotSetSettings();
    void slotShowSettingsDialog();

private:
    void applyVirtualSize(const QSize& s);
    // The widget of the content that has, or last had, the keyboard; null
    // when none has.
    QWidget* contentFocusWidget() const;
    // Hands the keyboard on to focused in the window the content now lives
    // in, activating that window when the content's previous one was active.
    void carryFocus(QWidget* window, bool activate, QWidget* focused);

    QWidget* m_hostWidget;
    VirtualResolutionWidget* m_resolutionView;
    QVBoxLayout* m_contentLayout;
    bool m_virtualMode = false;
    bool m_fullScreen = false;
    VirtualResolutionDialog* m_settingsDialog = nullptr;
    QRect m_normalGeometry;
};

} // namespace QMWidgets
