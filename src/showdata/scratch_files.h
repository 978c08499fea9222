#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The copies that the editor and the random show setup run the real show on, in
// "slideshow_path". Each process has its own (the names carry its process number and
// begin with "." so no list of shows offers them), so a second configuration window
// can neither delete nor restore them.
namespace ScratchFile {
QString singleSlideCopy();    // the one-picture preview
QString testRunCopy();        // the editor's test run of the whole show
QString randomConfigCopy();   // the random setup's edited settings, under test
} // namespace ScratchFile

// The fixed names older versions used for those copies ("tdz.css", "zxz.css",
// "zxz2.css", in any case): never a user's show.
bool isScratchShowName(const QString& fileName);

// Deletes this process's copies, the copies of processes that no longer run and
// the fixed-name leftovers "zxz.css" and "zxz2.css". A leftover "zxz.rss" of an older
// version holds the user's own random configuration: it is moved back first.
void DeleteScratchFiles();

// An older version's random setup test kept the user's "quintavu.rss" as "zxz.rss"
// while it ran; one found now was left by a run that died: this moves it back over
// whatever "quintavu.rss" holds. Returns true when a file was moved back.
bool restoreRandomConfigAfterInterruptedTest();

// Removes what processes that no longer run left in `folder`: the temporary files of
// a save killed half-way (".NAME.tmp-PID-N") and their scratch copies.
void removeLeftoversOfEndedProcesses(const QString& folder);
// The same for the data folder and the settings file's folder, at start.
void removeLeftoversOfEndedProcesses();

} // namespace qv
