#pragma once

#include "settings/global_settings.h"

#include <QString>

namespace qv {

// What the title screen shows for the kind of show and its four show buttons.
struct TitleButtons {
    bool randomChosen = true;  // "Random" selected, else "Custom"
    bool editNew = false;      // "Edit New Slide Show"
    bool edit = false;         // "Edit Slide Show"
    bool view = false;         // "View Slide Show"
    bool remove = false;       // "Delete Slide Show"
    bool operator==(const TitleButtons&) const = default;
};

// "EMPTY", in any case, means no custom show is active.
bool noActiveShow(const QString& activeCss);

// The state the title screen opens in, and returns to after the editor, the random
// setup or a deletion. A custom show without an active show cannot be played or
// edited, so the choice falls back to a random show (and the setting with it).
TitleButtons settledButtons(GlobalSettings& settings);

// The user chose a random show.
TitleButtons randomChosen(GlobalSettings& settings);

// The user chose a custom show: only a new show can be made until one is active.
TitleButtons customChosen(GlobalSettings& settings);

// The user picked a saved show from the list: it becomes the active show, and
// picking a custom show means choosing the custom kind.
TitleButtons showPicked(GlobalSettings& settings, const QString& showName);

// Deletes the active show's file after the user confirmed it, and leaves no show
// active. Only a plain file name inside the data folder is ever deleted: the name
// comes from the settings store, which anyone can edit. Returns whether a file went.
bool deleteActiveShow(GlobalSettings& settings, QString& savedShowName);

// The first value of the optional one-line text file shown on the title screen:
// read from at most the first few kilobytes, control characters turned into blanks,
// runs of blanks squeezed and the whole cut to one short line. Empty when the file
// is missing, unreadable or not a plain file.
QString readSiteText(const QString& path);

// Longest site line shown, in characters.
inline constexpr qsizetype kSiteTextLimit = 120;

} // namespace qv
