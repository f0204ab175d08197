#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The effect overlays laid over a square master picture, and the rounded-square
// alpha mask. Every picture is side x side and covers the whole square.
namespace OverlayArt {

// Soft white highlight over the upper part, ending in an elliptical arc.
QImage glossyTop(int side);
// A glassy highlight in the middle of the picture.
QImage glossyMiddle(int side);
// Shading inside the rounded square: lighter top, darker bottom and edges.
QImage volume(int side);
// A metallic bezel along the rounded-square outline.
QImage frame(int side);

// Colours and word of a diagonal band across the top-right corner.
struct Band
{
    QString word;
    QColor light;
    QColor dark;
};
Band freeBand();
Band liteBand();
// The band drawn over a side x side square; widthScale widens band and word
// (the small effect switches use a wider band to stay legible).
QImage cornerBand(int side, const Band& band, double widthScale = 1.0);

// Opaque picture, white inside the rounded square and black outside, with
// antialiased edges: its red channel is the alpha of the rounded icon.
QImage roundRectMask(int side);

// A colourful stand-in master picture used to preview the effects.
QImage sampleArt(int side);

// Replaces the alpha of picture by the red channel of mask (scaled to fit).
QImage applyMask(const QImage& picture, const QImage& mask);

} // namespace OverlayArt
