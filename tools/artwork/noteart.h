#pragma once

#include "galleryart.h"

// The pictures a host supplies to the screenshot note editor, drawn for the
// widget gallery: the tool cursors (blue where the editor recolours them to
// the drawing colour), the line-width and dash icons, the glass over the drag
// preview, the pictograms of the text-less buttons, and a picture to annotate.
namespace NoteArt {

QVector<GalleryArt::Picture> pictures();

} // namespace NoteArt
