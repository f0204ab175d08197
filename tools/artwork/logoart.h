#pragma once

#include <QImage>

// The program's logo and the pictures of the drop area.
namespace LogoArt {

// Three layered rounded squares crossed by a strand of light; side x side.
QImage logo(int side);
// The 1200 x 1078 hint painted in the empty drop area: a dashed frame with an
// arrow falling into a tray, mostly transparent.
QImage dropArea();
// The 96 x 96 icon of the "open the image" button: an open folder.
QImage openFiles();

} // namespace LogoArt
