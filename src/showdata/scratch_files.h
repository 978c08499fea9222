#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The fixed names of the copies that the editor and the random show setup run the
// real show on, in "slideshow_path".
namespace ScratchFile {
inline const QString singleSlideCopy = QStringLiteral("ZXZ.CSS");     // one-picture preview
inline const QString wholeShowCopy = QStringLiteral("ZXZ2.CSS");      // the table during that preview
inline const QString testRunCopy = QStringLiteral("tdz.css");         // the editor's test run
inline const QString randomConfigCopy = QStringLiteral("zxz.rss");    // the setup's saved configuration
} // namespace ScratchFile

// Deletes the leftovers "zxz.css" and "zxz2.css" from "slideshow_path", in whatever case
// they were written. A leftover "zxz.rss" is first moved back as the random show's
// configuration (see below); only further spellings of it are deleted.
void DeleteScratchFiles();

// The random show setup's test run keeps the user's "quintavu.rss" as "zxz.rss" while the
// edited settings take its place, and puts it back when the show ends. A "zxz.rss" found at
// any other time is therefore the user's own configuration, left behind by a run that died:
// this moves it back over whatever "quintavu.rss" holds. Call it only where no test run of
// this process is under way. Returns true when a file was moved back.
bool restoreRandomConfigAfterInterruptedTest();

} // namespace qv
