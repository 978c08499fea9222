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
