#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The preview (/p), a daemon's --window-id and --root, and $XSCREENSAVER_WINDOW all
// name X11 windows to draw into. A program running natively on Wayland has no such
// window and could only open a stray one of its own, so it refuses. The answer is the
// one line to print, or empty when the start is fine. Decided by the platform Qt
// actually chose, so a program sent to XWayland (QT_QPA_PLATFORM=xcb) reaches the
// X11 windows that live there.
QString refusalOnWayland(const QStringList& argumentsWithoutProgram, bool daemonRequested,
                         const QString& platformName);

} // namespace qv
