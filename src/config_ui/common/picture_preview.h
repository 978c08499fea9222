#pragma once

#include <QRect>
#include <QString>

namespace qv {

class FXImage;

// The picture previews of the configuration dialogs: one picture file shown inside a
// fixed box of the dialog, enlarged or reduced to fill it with its proportions kept,
// and centred. `box` is in the coordinates of the image's parent (logical pixels;
// boxes given in twips go through qv::twipsBox first).

// Hides `image`, loads `path` into it and, when that works, moves and sizes it into
// `box` without showing it: a caller that wants a transition sets the effect and shows
// the image itself. A failed load shows ShowPictureLoadError and leaves the image
// hidden. Returns the load's result code (0 = loaded).
int placePicture(FXImage& image, const QString& path, const QRect& box);

// placePicture, then shows the image when the load worked. Returns the result code.
int previewPicture(FXImage& image, const QString& path, const QRect& box);

// The reason given for a picture that cannot be loaded, by result code.
QString pictureLoadErrorText(int code);
// Tells the user that the picture `path` could not be loaded, naming it (a box titled
// "File error.").
void ShowPictureLoadError(int code, const QString& path);

} // namespace qv
