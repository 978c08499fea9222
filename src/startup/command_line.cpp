#include "startup/command_line.h"

#include <cmath>

namespace qv {

QString commandLineText(const QStringList& argumentsWithoutProgram)
{
    return argumentsWithoutProgram.join(QLatin1Char(' '));
}

bool namesShowFile(const QString& commandLine)
{
    return commandLine.right(4).toUpper() == QStringLiteral(".CSS");
}

QString runModeFor(const QString& commandLine)
{
    if (namesShowFile(commandLine))
        return QStringLiteral("/S");
    const QString mode = commandLine.left(2).toUpper();
    return mode.isEmpty() ? QStringLiteral("/C") : mode;
}

bool selectsAnyMode(const QString& commandLine)
{
    const QString mode = runModeFor(commandLine);
    return mode == QStringLiteral("/C") || mode == QStringLiteral("/S") || mode == QStringLiteral("/P")
           || mode == QStringLiteral("/A");
}

InformationRequest informationRequest(const QStringList& argumentsWithoutProgram)
{
    if (argumentsWithoutProgram.size() != 1)
        return InformationRequest::None;
    if (argumentsWithoutProgram.first() == QStringLiteral("--help"))
        return InformationRequest::Usage;
    if (argumentsWithoutProgram.first() == QStringLiteral("--version"))
        return InformationRequest::Version;
    return InformationRequest::None;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: quintavue [/c | /s | /p WINDOW | /a | FILE.css | --window-id ID | --root] [/t]\n"
        "\n"
        "  (nothing), /c        the configuration: the title screen and its windows\n"
        "  /s                   a show, full screen (refused while another show runs on the display)\n"
        "  /p WINDOW            a preview drawn inside the X11 window with that decimal id\n"
        "  /a                   the dialog that changes the screen-saver password\n"
        "  FILE.css             plays that custom show without a password\n"
        "  --window-id ID       a show inside that screen-saver daemon's window\n"
        "  --root               a show in the root window ($XSCREENSAVER_WINDOW, when set, names\n"
        "                       the daemon's window instead)\n"
        "  /t                   test run: the show does not hide the pointer or raise itself\n"
        "  --help, --version    print this text, or the version, and end\n"
        "\n"
        "The first two characters choose the mode, in any case. Any other switch ends the\n"
        "program at once without a window. See also quintavue(1).\n");
}

namespace {

std::uint32_t windowId(const QString& text)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 0);
    return ok ? value : 0;
}

} // namespace

DaemonRequest daemonRequest(const QStringList& argumentsWithoutProgram, const QString& environmentWindow)
{
    DaemonRequest request;
    for (qsizetype i = 0; i < argumentsWithoutProgram.size(); ++i) {
        const QString& argument = argumentsWithoutProgram[i];
        if (argument == QStringLiteral("--root") || argument == QStringLiteral("-root")) {
            request.requested = true;
            request.root = true;
        } else if ((argument == QStringLiteral("--window-id") || argument == QStringLiteral("-window-id"))
                   && i + 1 < argumentsWithoutProgram.size()) {
            request.requested = true;
            request.window = windowId(argumentsWithoutProgram[++i]);
        }
    }
    if (!request.requested && !environmentWindow.isEmpty() && argumentsWithoutProgram.isEmpty()) {
        request.requested = true;
        request.window = windowId(environmentWindow);
    }
    // XScreenSaver starts its savers with "-root" but covers the real root with a window
    // of its own, named in the environment: drawing into the real root would be hidden.
    if (request.root) {
        if (const std::uint32_t virtualRoot = windowId(environmentWindow); virtualRoot != 0) {
            request.root = false;
            request.window = virtualRoot;
        }
    }
    return request;
}

bool hasTestSwitch(const QString& commandLine)
{
    // As a word of its own only: "/tmp/..." and "/home/tom/..." are paths, not switches.
    const QStringList words = commandLine.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return words.contains(QStringLiteral("/t"));
}

double leadingNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    qsizetype digitCount = i - digitsStart;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        const qsizetype fractionStart = i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128)
            ++i;
        digitCount += i - fractionStart;
    }
    if (digitCount == 0)
        return 0.0;
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(value) ? std::nearbyint(value) : 0.0;
}

std::uint32_t hostWindowFrom(const QString& commandLine)
{
    const double number = leadingNumber(commandLine.mid(2));
    if (number < 0.0 || number > 4294967295.0)
        return 0;
    return static_cast<std::uint32_t>(number);
}

} // namespace qv
