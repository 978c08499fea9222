#include "startup/wayland_refusal.h"

#include "startup/command_line.h"

namespace qv {
namespace {

QString refusal(const QString& what)
{
    return QStringLiteral("Quintavue: %1 an X11 window, and this is a Wayland session "
                          "(QT_QPA_PLATFORM=xcb runs the program through XWayland).")
        .arg(what);
}

bool names(const QStringList& arguments, const char* doubleDash)
{
    const QString word = QString::fromLatin1(doubleDash);
    return arguments.contains(word) || arguments.contains(word.mid(1));
}

} // namespace

QString refusalOnWayland(const QStringList& argumentsWithoutProgram, bool daemonRequested,
                         const QString& platformName)
{
    if (!platformName.startsWith(QLatin1String("wayland")))
        return {};
    if (daemonRequested) {
        if (names(argumentsWithoutProgram, "--root"))
            return refusal(QStringLiteral("--root draws into"));
        if (names(argumentsWithoutProgram, "--window-id"))
            return refusal(QStringLiteral("--window-id names"));
        return refusal(QStringLiteral("$XSCREENSAVER_WINDOW names"));
    }
    if (runModeFor(commandLineText(argumentsWithoutProgram)) == QStringLiteral("/P"))
        return refusal(QStringLiteral("the preview (/p) draws into"));
    return {};
}

} // namespace qv
