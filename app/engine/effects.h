#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

// What the generator knows of one effect: the name that stands for it in the
// effect state (also the object name of its switch), the switch's tool tip,
// and how the effect changes the picture.
struct Effect
{
    QString name;
    // Untranslated; translated in the context "CreatorEffects".
    const char* toolTip;
    // The overlay drawn over the picture, or none.
    QString overlay;
    // Place of the overlay in the drawing order (the lowest first), or -1.
    int layer;
    // The overlay follows the rounded outline and is drawn only with the mask.
    bool needsMask;
    // The effect cuts the picture to the rounded square when the mask is wanted.
    bool masks;
};

// The effects, and the effect state: the names of the effects switched on,
// each followed by ";".
namespace Effects {

// Every effect, in the order of the switches.
const QVector<Effect>& all();

// The names in the state, in their order.
QStringList namesIn(const QString& effectState);
bool isOn(const QString& effectState, const QString& effectName);

// The state of the effects named in on, in the order of the switches.
QString stateOf(const QStringList& on);

// Lays the overlays of the effects on over picture (changed in place) and,
// when mask is set and an effect on asks for it, cuts it to the rounded
// square. The picture keeps its device-pixel ratio; the overlays cover it in
// device-independent pixels.
void apply(QImage& picture, const QString& effectState, bool mask);

} // namespace Effects
