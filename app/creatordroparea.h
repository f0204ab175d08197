#pragma once

#include "label.h"

class CreatorEffects;
class QPushButton;

// The square field at the top of the creator. It takes the master picture,
// dropped onto it or chosen with its open button, asks before it takes a
// picture that is not 1024 x 1024, keeps the picture's path and shows the
// picture with the chosen effects.
class CreatorDropArea : public QMWidgets::Label
{
    Q_OBJECT

public:
    CreatorDropArea(CreatorEffects* effects, QWidget* parent = nullptr);

    // The path of the picture taken last; empty until one was taken.
    QString fileName() const;

signals:
    // Emitted with true each time a picture is taken.
    void dropped(bool taken);

public slots:
    void slotOpenClicked();
    void slotStateChanged(const QString& effectState);
    // Rebuilds the preview from the file and the current effect state.
    void updatePreview();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Tests the candidate and takes it when it is a picture of the right size
    // or the user agrees to another size. shownName names the file in the
    // messages; questionStart starts the size question. Returns whether the
    // picture was taken.
    bool takePicture(const QString& candidate, const QString& shownName, const QString& questionStart);
    // The picture scaled to twice the field with the chosen effects; null when
    // it could not be scaled.
    QPixmap previewOf(const QPixmap& picture) const;

    QString m_path;
    CreatorEffects* m_effects = nullptr;
    QPushButton* m_openButton = nullptr;
};
