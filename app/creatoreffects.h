#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QPushButton;

// The effects panel below the creator: the base name of the output files and
// the seven effect switches (see Effects). The switches on are reported as one
// text, the effect state: the object name of every checked item followed by ";".
class CreatorEffects : public QWidget
{
    Q_OBJECT

public:
    explicit CreatorEffects(QWidget* parent = nullptr);

    QString effectState() const;
    QString saveName() const;
    void setSaveName(const QString& name);

signals:
    void stateChanged(const QString& effectState);

public slots:
    void slotStateChanged();

private:
    QLineEdit* m_nameEdit = nullptr;
    QList<QPushButton*> m_items;
};
