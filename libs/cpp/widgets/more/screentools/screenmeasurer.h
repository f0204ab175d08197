#pragma once

#include "screencropper.h"

namespace QMWidgets {

// The screen cropper's sibling that only measures: while the mouse button is
// held it shows the dragged rectangle over the frozen screen with its size in
// pixels ("<width>x<height>", both edges counted, the same whichever way the
// drag goes). grabScreen() freezes the screen and reports done() without
// showing anything; the host shows the tool then. The frozen picture is shown
// at its own size in the middle of the tool. It saves nothing and has no
// save folder. A host may delete the tool from any of its signals.
class ScreenMeasurer : public ScreenCropper
{
    Q_OBJECT

public:
    explicit ScreenMeasurer(QWidget* parent = nullptr);

    // The read-out of the current drag, as painted; empty while not dragging.
    QString readOut() const;

signals:
    void doQuit();

public slots:
    void grabScreen() override;
    void slotClose() override;

protected:
    // Nothing to settle: the measurer saves nothing.
    void updateSaveLocation() override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace QMWidgets
