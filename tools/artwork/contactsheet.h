#pragma once

#include "artworkcatalog.h"

#include <QImage>
#include <QVector>

// One overview picture of all artwork, for looking the set over by eye: every
// picture on a checkerboard with its name, the effect overlays composited over a
// sample master picture, and the effect switches at the size they are shown.
class ContactSheet
{
public:
    explicit ContactSheet(const QVector<ArtworkCatalog::Picture>& pictures);

    QImage render() const;

private:
    QImage find(const QString& fileName) const;

    QVector<ArtworkCatalog::Picture> m_pictures;
};
