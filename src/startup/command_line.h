#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace qv {

// The arguments as the one command-line text the program reads: joined by single
// blanks, without the program's own path.
QString commandLineText(const QStringList& argumentsWithoutProgram);

// The run mode: the first two characters, upper-cased; "/C" when the text is empty.
// A text whose last four characters are ".CSS" in any case selects "/S".
QString runModeFor(const QString& commandLine);

// True when the command line selects a mode that opens a window; any other
// switch ends the program at once, before it even needs a display.
bool selectsAnyMode(const QString& commandLine);

// True when the text names a show file: its last four characters, upper-cased, are ".CSS".
bool namesShowFile(const QString& commandLine);

// How the X desktop's screen-saver daemons (XScreenSaver and its kin) start a saver:
// "--window-id ID" or "--root" (one dash works too), or the window id in
// $XSCREENSAVER_WINDOW. Ids are decimal or hexadecimal with "0x". "--root" with the
// variable set means the daemon's window, which stands in for the root.
struct DaemonRequest {
    bool requested = false;
    bool root = false;            // draw into the root window
    std::uint32_t window = 0;     // otherwise into this window
};
DaemonRequest daemonRequest(const QStringList& argumentsWithoutProgram, const QString& environmentWindow);

// "--help" or "--version" as the whole command line: the program prints what is
// asked for and ends, without a window. Any other unknown switch still ends it at
// once without a word.
enum class InformationRequest { None, Usage, Version };
InformationRequest informationRequest(const QStringList& argumentsWithoutProgram);

// The text "--help" prints: how to start each mode (the README's table of switches).
QString usageText();

// True when "/t" stands as a word of its own, compared exactly (a capital "/T" does
// not count).
bool hasTestSwitch(const QString& commandLine);

// The number at the start of `text`: leading blanks skipped, an optional sign,
// digits and an optional fraction, stopping at the first other character, rounded
// to the nearest whole number (halves to even). Text without a leading number
// gives 0.
double leadingNumber(const QString& text);

// The window number after the first two characters of the command line. Values
// that no window can have (negative, beyond 32 bits) give 0.
std::uint32_t hostWindowFrom(const QString& commandLine);

} // namespace qv
