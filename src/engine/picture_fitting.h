#pragma once

namespace qv {

// Where a picture goes: left, top, width and height in the units of the area,
// unrounded.
struct PictureFit {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// Fits a picture into a box, keeping its proportions, at `percent` % of the box and
// centred. A wide or square picture takes the box's width unless that makes it too
// tall; a tall one always takes the box's height (its width may then exceed the box).
PictureFit FitPictureInBox(double boxTop, double boxLeft, double boxHeight, double boxWidth, double pictureHeight,
                           double pictureWidth, double percent);

// Fits a picture on the show's area: scaled to `percent` % of it when `scaleToScreen`,
// otherwise at its own size, reduced only when larger than the area.
PictureFit FitPictureOnScreen(double top, double left, double height, double width, double pictureHeight,
                              double pictureWidth, double percent, bool scaleToScreen);

} // namespace qv
