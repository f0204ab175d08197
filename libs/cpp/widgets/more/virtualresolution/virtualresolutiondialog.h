#pragma once

#include <QDialog>
#include <QSize>

class QComboBox;

namespace QMWidgets {

class ResolutionSetupWidget;

// The settings of the virtual-resolution host: the mode (content laid out at
// a virtual resolution, or a normal window) and the virtual resolution, picked
// from fourteen screen sizes and fine-tuned. "&Apply" hands the choice on;
// "&Ok" and "&Cancel" only close the dialog.
class VirtualResolutionDialog : public QDialog
{
    Q_OBJECT

public:
    enum Mode { VirtualResolutionMode = 0, NormalMode = 1 };
    Q_ENUM(Mode)

    explicit VirtualResolutionDialog(QWidget* parent = nullptr);

    Mode mode() const;
    QSize virtualResolution() const;

    QComboBox* modeCombo() const { return m_modeCombo; }
    ResolutionSetupWidget* resolutionBox() const { return m_resolutionBox; }

signals:
    // Every size picked with the slider, at once.
    void virtualResolutionChanged(const QSize& size);
    // "&Apply": first the size, then that the settings are to be read.
    void changeVirtualResolution(const QSize& size);
    void changeSettings();

public slots:
    void slotApply();
    // Enables the resolution box in virtual-resolution mode only.
    void slotModeChanged(int);

private:
    QComboBox* m_modeCombo;
    ResolutionSetupWidget* m_resolutionBox;
    ResolutionSetupWidget* m_windowSizeBox;
};

} // namespace QMWidgets
