#pragma once

#include <QImage>
#include <QPainterPath>
#include <QString>

// Button art of the menu bar, the dialogs and the tab bar.
namespace ButtonArt {

// A 50 x 32 menu-bar button showing a pictogram (see Glyphs).
QImage barButton(const QPainterPath& glyph, bool hover);
// The 150 x 32 plate of the video button; the button's own text sits on its right.
QImage videoButton(bool hover);
// Small scroll arrows of the tab bar.
QImage scrollArrow(bool left);
// The tiny triangle under a button that opens a menu.
QImage menuIndicator();

// A round 48 x 48 badge for the share and join buttons: a short lettering or a
// pictogram, with a small corner mark that tells sharing from joining.
enum class BadgeKind { Share, Join };
QImage badge(const QString& letters, const QPainterPath& glyph, BadgeKind kind, bool hover);

// The background of the menu bar: 300 x 45, stretched to the bar's width.
QImage backgroundBar();

} // namespace ButtonArt
