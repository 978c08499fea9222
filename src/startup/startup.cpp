#include "startup/startup.h"

#include "components/platform/file_names.h"
#include "components/platform/window_titles.h"
#include "settings/global_settings.h"
#include "startup/command_line.h"
#include "startup/event_waiting.h"
#include "startup/program_windows.h"
#include "startup/shared_routines.h"
#include "startup/startup_state.h"
#include "startup/windows_dir.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <cstdio>

namespace qv {
namespace {

constexpr int kNotBuiltExitCode = 2;

std::int16_t twipsPerPixel(double dotsPerInch)
{
    if (!(dotsPerInch > 0.0))
        return 15;
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(1440.0 / dotsPerInch), 1.0, 32767.0));
}

void setScreenMetrics(StartupState& state)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    state.twipsPerPixelX = twipsPerPixel(screen != nullptr ? screen->logicalDotsPerInchX() : 96.0);
    state.twipsPerPixelY = twipsPerPixel(screen != nullptr ? screen->logicalDotsPerInchY() : 96.0);
}

int notBuilt(const char* mode)
{
    std::fprintf(stderr, "Quintavue: the %s is not built yet.\n", mode);
    return kNotBuiltExitCode;
}

// Configure and show own the whole run: wait for the last window, then restore the
// desktop.
int waitForLastWindowThenRestore()
{
    // A window closes in an event, which ends the sleep: no need to look in between.
    let_events_run_until([] { return !anyProgramWindowOpen(); }, std::chrono::minutes(10));
    disposeRetiredWindows();
    screen_saver_on();
    let_events_run();
    show_pointer();
    let_events_run();
    return 0;
}

// Preview and change-password serve the window named on the command line; the
// process lives as long as their window does.
int runForHostWindow(const std::function<void()>& open, const char* mode)
{
    startupState().hostWindow = hostWindowFrom(startupState().commandLine);
    if (!open)
        return notBuilt(mode);
    open();
    let_events_run_until([] { return !anyProgramWindowOpen(); }, std::chrono::minutes(10));
    disposeRetiredWindows();
    return 0;
}

} // namespace

int run_program(const QStringList& argumentsWithoutProgram, const ModeWindows& windows)
{
    StartupState& state = startupState();
    state.commandLine = commandLineText(argumentsWithoutProgram);

    state.mouseMoveTolerance = 300;
    setScreenMetrics(state);
    state.runMode = state.commandLine.left(2).toUpper();
    const QString currentDir = currentFolder() + QLatin1Char('/');
    state.pictureBrowseDir = currentDir;
    state.soundBrowseDir = currentDir;
    state.randomPictureBrowseDir = currentDir;
    state.randomAudioBrowseDir = currentDir;
    state.appName = QStringLiteral("Quintavue");
    state.windowsDir = windows_dir();

    // A show file on the command line is a show, whatever its first two characters
    // (Linux paths begin with "/", and "/c..." must not open the splash first).
    const bool showFile = namesShowFile(state.commandLine);
    if (!showFile && (state.runMode == QStringLiteral("/C") || state.runMode.isEmpty())) {
        state.runMode = QStringLiteral("/C");
        if (windows.showSplash) {
            windows.showSplash();
            let_events_run();
            wait_seconds(1);
        }
    }
    state.testSwitch = hasTestSwitch(state.commandLine) ? 1 : 0;

    load_settings();
    GlobalSettings& settings = globalSettings();
    if (settings.presentationMode.isTrue())
        settings.screenSaverPassword.clear();
    if (showFile) {
        state.runMode = QStringLiteral("/S");
        settings.randomFlag = 0;
        settings.screenSaverPassword.clear();
    }

    if (state.runMode == QStringLiteral("/C")) {
        if (!windows.showTitleScreen)
            return notBuilt("configuration (title screen)");
        windows.showTitleScreen();
        return waitForLastWindowThenRestore();
    }
    if (state.runMode == QStringLiteral("/S")) {
        // Inside a daemon's window the daemon decides what runs.
        if (state.daemonWindow == 0 && !no_window_titled(QStringLiteral("slideshow running")))
            return 0;
        if (!windows.showShowWindow)
            return notBuilt("slide show");
        windows.showShowWindow();
        return waitForLastWindowThenRestore();
    }
    if (state.runMode == QStringLiteral("/P"))
        return runForHostWindow(windows.loadPreviewHost, "preview");
    if (state.runMode == QStringLiteral("/A"))
        return runForHostWindow(windows.showPasswordDialog, "password dialog");
    return 0;
}

} // namespace qv
