#pragma once

#include "promomainpage.h"

#include <QStringList>

class Creator;
class QPushButton;

// The program's window: the shell's menu bar, with a settings button added,
// above the creator. Fixed at 290 x 390 pixels (the creator's options panel
// adds its height and the spacing above it while it is open).
class MainPage : public QMWidgets::PromoMainPage
{
    Q_OBJECT

public:
    explicit MainPage(QWidget* parent = nullptr);

    Creator* creator() const { return m_creator; }
    QPushButton* settingsButton() const { return m_settingsButton; }

    // The five introduction slides "Slide1_<language>.jpg" ... in folder.
    // Slides exist in "en", "de" and "ru" (compared exactly); any other
    // language gets the English ones.
    static QStringList helpSlides(const QString& language, const QString& folder);

public slots:
    void slotShowSettings();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Creator* m_creator;
    QPushButton* m_settingsButton;
};
