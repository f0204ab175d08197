#pragma once

#include <QImage>
#include <QString>

// The seven effect switches: a dark key with a tiny icon that shows its effect,
// in four states.
namespace ItemArt {

enum class Effect { TopGlossy, CenterGlossy, Volume, Frame, FreeLabel, LiteLabel, RoundedEdges };
enum class State { Normal, Hover, Checked, CheckedHover };

// The stem of the switch's picture names ("TopGlossy" for ":/TopGlossy.png").
QString stem(Effect effect);
// The suffix of a state's picture ("", "_hvr", "_chk", "_chk_hvr").
QString suffix(State state);

// The sample icon with the effect applied, side x side.
QImage effectTile(Effect effect, int side);
// A switch picture of side x side around a tile made by effectTile().
QImage effectItem(const QImage& tile, State state, int side);

} // namespace ItemArt
