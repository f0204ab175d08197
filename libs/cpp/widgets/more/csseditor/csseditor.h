#pragma once

#include <QMainWindow>

namespace QMWidgets {

class CssDoc;

// A small editor for Qt style sheets that works on the running application:
// open and save a style-sheet file, apply the text as the application's style
// sheet, clear the application's style sheet again, and stamp class and object
// name into the tool tip of every named widget, so the selectors to write can
// be read by hovering.
class CssEditor : public QMainWindow
{
    Q_OBJECT

public:
    explicit CssEditor(QWidget* parent = nullptr);

    CssDoc* doc() const { return m_doc; }

    // Lets the shell's application object open this editor from its slot
    // slotShowCssEditor(); a host that wants that slot to work calls this once.
    static void registerWithShell();

public slots:
    void slotApply();
    void slotAbout();
    void slotReset();
    void slotChangeWindowTitle(const QString& str);
    void slotApplyToolTipsInfo();

private:
    void stampToolTip(QWidget* widget) const;

    CssDoc* m_doc;
};

} // namespace QMWidgets
