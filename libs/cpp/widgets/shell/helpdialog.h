#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QPushButton;
class QTimer;

namespace QMWidgets {

class Label;

// The introduction: a slide show of the application's help slides, one slide
// every 5000 ms (round and round), with a button per slide to jump to it and a
// button that opens the help video.
class HelpDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int SlideInterval = 5000;

    // Shows the slides and video link of the application object.
    explicit HelpDialog(QWidget* parent = nullptr);
    HelpDialog(const QStringList& slides, const QString& videoLink, QWidget* parent = nullptr);

    int currentSlide() const { return m_current; }
    int slideCount() const { return m_slides.size(); }
    QTimer* slideTimer() const { return m_timer; }
    QPushButton* videoButton() const { return m_video; }

public slots:
    void showSlide(int index);
    void nextSlide();

private:
    void build();

    QStringList m_slides;
    QString m_videoLink;
    Label* m_picture = nullptr;
    QButtonGroup* m_slideButtons = nullptr;
    QPushButton* m_video = nullptr;
    QTimer* m_timer = nullptr;
    int m_current = -1;
};

} // namespace QMWidgets
