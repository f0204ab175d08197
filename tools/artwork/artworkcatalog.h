#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

// Every picture of the program's resource bundle, by its file name, with the
// drawing that makes it.
class ArtworkCatalog
{
public:
    struct Entry
    {
        QString fileName;
        QString group;
        std::function<QImage()> draw;
    };

    struct Picture
    {
        QString fileName;
        QString group;
        QImage image;
    };

    ArtworkCatalog();

    const QVector<Entry>& entries() const { return m_entries; }

    // Draws every picture in catalogue order.
    QVector<Picture> render() const;

    // Writes a picture as a maximally compressed PNG; false when it cannot be written.
    static bool writePng(const QImage& image, const QString& path);

private:
    void add(const QString& fileName, const QString& group, std::function<QImage()> draw);

    QVector<Entry> m_entries;
};
