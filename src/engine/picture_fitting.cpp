#include "engine/picture_fitting.h"

#include <algorithm>

namespace qv {

PictureFit FitPictureInBox(double boxTop, double boxLeft, double boxHeight, double boxWidth, double pictureHeight,
                           double pictureWidth, double percent)
{
    // A picture without size (a failed load) would divide by zero: nothing to place.
    if (pictureHeight <= 0.0 || pictureWidth <= 0.0)
        return PictureFit{std::max(0.0, boxLeft + boxWidth / 2), std::max(0.0, boxTop + boxHeight / 2), 0.0, 0.0};
    const double ratio = pictureWidth / pictureHeight;
    const double scale = percent / 100.0;
    double width = 0.0;
    double height = 0.0;
    bool fitHeight = pictureWidth < pictureHeight;
    if (!fitHeight) {
        width = boxWidth * scale;
        height = width / ratio;
        fitHeight = height > boxHeight * scale;
    }
    if (fitHeight) {
        height = boxHeight * scale;
        width = height * ratio;
    }
    return PictureFit{std::max(0.0, boxLeft + (boxWidth - width) / 2), std::max(0.0, boxTop + (boxHeight - height) / 2),
                      width, height};
}

PictureFit FitPictureOnScreen(double top, double left, double height, double width, double pictureHeight,
                              double pictureWidth, double percent, bool scaleToScreen)
{
    if (scaleToScreen)
        return FitPictureInBox(top, left, height, width, pictureHeight, pictureWidth, percent);
    if (pictureHeight <= 0.0 || pictureWidth <= 0.0)
        return PictureFit{std::max(0.0, width / 2), std::max(0.0, height / 2), 0.0, 0.0};
    const double ratio = pictureWidth / pictureHeight;
    double w = pictureWidth;
    double h = pictureHeight;
    if (w >= width) {
        w = width;
        h = w / ratio;
    }
    if (h > height) {
        h = height;
        w = h * ratio;
    }
    return PictureFit{std::max(0.0, (width - w) / 2), std::max(0.0, (height - h) / 2), w, h};
}

} // namespace qv
