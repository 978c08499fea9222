#pragma once

#include "showdata/random_show_config.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace qv {

// The entry "Add" makes of the folder a browser lists: the folder as the file system spells
// it (case matters on ours), without one trailing "/"; the root stays "/".
QString folderListEntry(const QString& folder);

// Appends the entry for `folder` unless the list already holds it; false when it did.
bool addFolderEntry(QStringList& entries, const QString& folder);

// What the window holds when "&Ok" or "Test Slide Show" takes its settings.
struct RandomSetupValues {
    int delaySeconds = 15;
    bool loopAudio = false;
    bool showFileNames = true;
    QStringList pictureDirs;
    QStringList audioDirs;
};

// Copies the window's values into `config`; the sub-folder flags (set as their boxes are
// clicked) and `reserved` keep what they hold.
void takeSettings(const RandomSetupValues& values, RandomShowConfig& config);

// Whether the folders of `config` give the show at least one picture to play.
bool findsAnyPicture(const RandomShowConfig& config);

// What became of a test run.
enum class TestRunOutcome {
    Ran,            // the show ran on the edited settings
    SaveFailed,     // the edited settings could not be written (a message said so)
};

// Runs `runShow` on the process-wide configuration, written to this process's own
// scratch copy, which the show reads instead of "quintavu.rss": the user's saved file
// is never touched, so a save by another window meanwhile is never undone.
TestRunOutcome runWithEditedRandomConfig(const std::function<void()>& runShow);

} // namespace qv
