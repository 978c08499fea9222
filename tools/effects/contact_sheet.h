#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <vector>

namespace qv::gallery {

// Every listed effect at 25, 50 and 75 %, one effect per row, labelled with its
// number, name, family and what the viewer sees.
struct SheetLayout {
    QSize frame{240, 135};
    std::vector<int> effects;
    std::function<QString(int)> effectName; // may return an empty text
};

QImage contactSheet(const SheetLayout& layout, const QImage& older, const QImage& newer);

} // namespace qv::gallery
