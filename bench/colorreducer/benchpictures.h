#pragma once

#include <QImage>

// Pictures drawn in code for the colour reducer benchmark.
namespace BenchPictures {

// A 1024 x 1024 icon: gradients, some detail and text on a rounded square with
// transparent, anti-aliased corners.
QImage icon();

// A 2208 x 1242 launch screen: a gradient, a title, a subtitle and the icon.
QImage launchScreen(const QImage& icon);

} // namespace BenchPictures
