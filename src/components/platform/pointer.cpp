#include "components/platform/pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace qv {

PointerCounter::PointerCounter(std::function<void(bool)> onVisibilityChange)
    : onVisibilityChange_(std::move(onVisibilityChange))
{
}

int PointerCounter::showCursor(bool show)
{
    const bool wasVisible = visible();
    counter_ += show ? 1 : -1;
    if (visible() != wasVisible && onVisibilityChange_)
        onVisibilityChange_(visible());
    return counter_;
}

PointerCounter& programPointer()
{
    static PointerCounter pointer([](bool isVisible) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
            return;
        if (isVisible)
            QGuiApplication::restoreOverrideCursor();
        else
            QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    });
    return pointer;
}

} // namespace qv
