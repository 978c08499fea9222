#pragma once

#include <QStringList>

#include <functional>

namespace qv {

// How each run mode opens its first window. A mode whose window is not part of this
// build has no opener: starting it says so on stderr and ends with a failure code.
struct ModeWindows {
    std::function<void()> showSplash;          // "/C": the splash `loading`
    std::function<void()> showTitleScreen;     // "/C": `FrmTitle`
    std::function<void()> showShowWindow;      // "/S": `qvtour52`
    std::function<void()> loadPreviewHost;     // "/P": `ControlForm`, hidden
    std::function<void()> showPasswordDialog;  // "/A": `Password`
};

// The program's one entry, after the QApplication exists: start-up state, settings,
// the run mode, its first window, and the wait until every window has closed.
// Returns the process's exit code.
int run_program(const QStringList& argumentsWithoutProgram, const ModeWindows& windows);

} // namespace qv
