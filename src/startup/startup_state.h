#pragma once

#include <QString>

#include <cstdint>

namespace qv {

// Process-wide values set once at start-up and read by the rest of the program.
struct StartupState {
    QString appName = QStringLiteral("Quintavue");  // first field of the show files; reading one may change it
    QString windowsDir;                  // the stock media folder, ends in "/"
    std::int16_t twipsPerPixelX = 15;
    std::int16_t twipsPerPixelY = 15;
    std::int16_t mouseMoveTolerance = 300;
    QString pictureBrowseDir;
    QString soundBrowseDir;
    QString randomPictureBrowseDir;
    QString randomAudioBrowseDir;
    std::int16_t testSwitch = 0;         // 1 when the command line holds "/t"
    std::uint32_t hostWindow = 0;        // the window number after "/P" or "/A"
    QString runMode;                     // "/C", "/S", "/P", "/A" or anything else
    // A screen-saver daemon of the desktop handed this X11 window to draw the show
    // into (0: the show covers the screen itself). The daemon owns input and locking.
    std::uint32_t daemonWindow = 0;
    QString commandLine;                 // the arguments as one text, without the program's path
};

StartupState& startupState();

} // namespace qv
