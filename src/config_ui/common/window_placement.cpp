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
