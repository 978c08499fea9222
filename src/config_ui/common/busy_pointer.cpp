#include "config_ui/common/busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace qv {

void SetBusyPointer()
{
    if (QGuiApplication::overrideCursor() == nullptr)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void SetNormalPointer()
{
    while (QGuiApplication::overrideCursor() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace qv
