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

bool hasTestSwitch(const QString& commandLine) { return commandLine.contains(QStringLiteral("/t")); }

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
