#include "config_ui/common/window_placement.h"

#include "startup/startup_state.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace qv {

void centre_on_screen(QWidget* window)
{
    if (window == nullptr)
        return;
    const QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // A window that was never given a size has not been laid out yet.
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    const int left = area.left() + std::max(0, (area.width() - size.width()) / 2);
    const int top = area.top() + std::max(0, (area.height() - size.height()) / 2);
    window->move(left, top);
}

QRect besideRect(const QRect& explained, QSize size, const QRect& area)
{
    // Narrower than this the manual's tables no longer read well.
    constexpr int kNarrowest = 420;
    const int roomRight = area.right() - explained.right();
    const int roomLeft = explained.left() - area.left();
    const bool right = roomRight >= roomLeft;
    const int room = right ? roomRight : roomLeft;
    // Narrowed to the room beside it, or as far as it still reads where there is less.
    const int width = std::min({size.width(), area.width(), std::max(room, kNarrowest)});
    const int height = std::min(size.height(), area.height());
    int left = right ? explained.right() + 1 : explained.left() - width;
    left = std::clamp(left, area.left(), area.right() + 1 - width);
    const int top = std::clamp(explained.top(), area.top(), area.bottom() + 1 - height);
    return QRect(left, top, width, height);
}

void place_beside(QWidget* window, const QWidget* explained)
{
    if (window == nullptr)
        return;
    const QScreen* screen = explained != nullptr ? explained->screen() : nullptr;
    if (explained == nullptr || screen == nullptr) {
        centre_on_screen(window);
        return;
    }
    // The frame the window manager adds is not known before the window is shown: the
    // window's own frame stands for it.
    const QSize frame = window->frameGeometry().size() - window->size();
    const QRect spot = besideRect(explained->frameGeometry(), window->size() + frame, screen->availableGeometry());
    window->resize(spot.size() - frame);
    window->move(spot.topLeft());
}

int twipsToPixelsX(int twips)
{
    const int perPixel = std::max<int>(1, startupState().twipsPerPixelX);
    return (twips + perPixel / 2) / perPixel;
}

int twipsToPixelsY(int twips)
{
    const int perPixel = std::max<int>(1, startupState().twipsPerPixelY);
    return (twips + perPixel / 2) / perPixel;
}

QRect twipsBox(int top, int left, int height, int width)
{
    return QRect(twipsToPixelsX(left), twipsToPixelsY(top), twipsToPixelsX(width), twipsToPixelsY(height));
}

} // namespace qv
