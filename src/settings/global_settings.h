#pragma once

#include "settings/loose_value.h"

#include <QString>

#include <cstdint>

namespace qv {

// The global options every part of the program reads and the configuration screens
// change. Each field is named after its key in the settings store.
struct GlobalSettings {
    LooseValue screenPercent = 100;        // "screen_percent"
    std::int16_t randomSpeedAdjuster = 1;  // "random_speed_adjuster"
    LooseValue presentationMode = 0;       // "presentation_mode"
    QString slideshowPath;                 // "slideshow_path": the data folder, ends in "/"
    std::int16_t cblend = 1;               // "cblend": 1 "Together", 0 "Seperate"
    std::int16_t cDissolve = 1;            // "c_dissolve"
    std::int16_t dissolveSpeed = 30;       // "dissolve_speed"
    LooseValue cRandom = 0;                // "c_Random"
    std::int16_t showBorder = 1;           // "show_border"
    std::int16_t cmode = 9;                // "cmode"
    std::int16_t infoBox = 0;              // "info_box"
    std::int16_t mgrainMode = 0;           // "mgrain_mode"
    std::int16_t scaleFlag = 1;            // "scale_flag"
    LooseValue borderSize = 3;             // "bordersize"
    std::int16_t innerBevelColor1 = 8;     // "InnerBevelColor1"
    std::int16_t innerBevelColor2 = 15;    // "InnerBevelColor2"
    std::int16_t outerBevelColor1 = 8;     // "OuterBevelColor1"
    std::int16_t outerBevelColor2 = 15;    // "OuterBevelColor2"
    LooseValue innerBevelSize = 12;        // "InnerBevelSize"
    LooseValue outerBevelSize = 8;         // "OuterBevelSize"
    LooseValue borderColor = 1;            // "BorderColor"
    LooseValue innerBevelStyle = 1;        // "InnerBevelStyle"
    LooseValue outerBevelStyle = 2;        // "OuterBevelStyle"
    std::int16_t randomFlag = 1;           // "RandomFlag": 1 random show, 0 custom show
    std::int16_t picinfoFlag = 1;          // "picinfoFlag"
    std::int16_t screens = 0;              // "screens": 0 every screen shows the show, 1 the main one only
    QString activeCss = QStringLiteral("EMPTY");  // "ActiveCSS"
    QString passwordName;                  // "PasswordName": the scrambled password as stored

    // Not stored under keys of their own.
    QString screenSaverPassword;           // the plain password
    std::int16_t previewRun = 0;           // 1 while a configuration screen runs a test show
    bool passwordChangedThisRun = false;   // set by setScreenSaverPassword
};

// The one record of the program.
GlobalSettings& globalSettings();

// Reads every key from the per-user store (defaults for absent or unreadable
// values) and decodes the password.
void load_settings();
// Writes every key but "slideshow_path". The stored password changes only when
// setScreenSaverPassword was called in this run, so that a run that cleared the
// password in memory (presentation mode, test runs) never erases the stored one.
// Returns 0, or the error code after a message naming the settings file; the stored
// settings are then as they were, and nothing in memory changes.
int save_settings();

// The password is stored in an 8-bit character set (see passwordBytes()): false when
// `plain` holds a character the set lacks. unstorablePasswordCharacters() names them.
bool passwordCharactersStorable(const QString& plain);

// The password dialog's way of setting a new password. Refuses (returns false and
// changes nothing) a password that passwordCharactersStorable() turns down.
bool setScreenSaverPassword(const QString& plain);

// The file that holds the settings store.
QString settingsFilePath();

// The default data folder ("slideshow_path" when the store has none).
QString defaultSlideshowPath();

} // namespace qv
