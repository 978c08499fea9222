// Quintavue: a picture slide show that runs as a screen saver and as a presentation.
#include "components/platform/file_names.h"
#include "components/platform/foreign_windows.h"
#include "startup/command_line.h"
#include "startup/startup_state.h"
#include "engine/qvtour52.h"
#include "startup/control_form.h"
#include "startup/startup.h"
#include "startup/wayland_refusal.h"
#include "config_ui/configuration_mode.h"
#include "config_ui/title/program_version.h"

#include <QApplication>

#include <cstdio>

namespace {

QStringList argumentsWithoutProgram(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << qv::decodeFileName(argv[i]);  // a show file's path keeps its real bytes
    return arguments;
}

bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments = argumentsWithoutProgram(argc, argv);
    switch (qv::informationRequest(arguments)) {
    case qv::InformationRequest::Usage:
        std::fputs(qPrintable(qv::usageText()), stdout);
        return 0;
    case qv::InformationRequest::Version:
        std::printf("Quintavue %s\n", qPrintable(qv::programVersionText()));
        return 0;
    case qv::InformationRequest::None:
        break;
    }
    // Started by a screen-saver daemon of the desktop: a show inside its window.
    const qv::DaemonRequest daemon = qv::daemonRequest(arguments, qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    if (daemon.requested)
        arguments = QStringList{QStringLiteral("/s")};
    // An unknown switch ends the program silently, without opening the display.
    if (!qv::selectsAnyMode(qv::commandLineText(arguments)))
        return 0;
    if (!displayAvailable()) {
        std::fprintf(stderr, "Quintavue: no display to show on (DISPLAY is not set).\n");
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintavue"));
    QApplication::setOrganizationName(QStringLiteral("Quintavue"));
    QApplication::setQuitOnLastWindowClosed(false);  // start-up decides when the run ends

    if (const QString refusal = qv::refusalOnWayland(argumentsWithoutProgram(argc, argv), daemon.requested,
                                                     QGuiApplication::platformName());
        !refusal.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(refusal));
        return 1;
    }
    if (daemon.requested) {
        qv::startupState().daemonWindow = daemon.root ? qv::foreignRootWindow() : daemon.window;
        if (qv::startupState().daemonWindow == 0) {
            std::fprintf(stderr, "Quintavue: no window to draw the screen saver into.\n");
            return 1;
        }
    }

    qv::ModeWindows windows;
    windows.loadPreviewHost = qv::ControlForm::load;
    windows.showShowWindow = [] { qv::qvtour52::open(); };
    qv::registerConfigurationWindows();
    windows.showSplash = qv::showSplashWindow;
    windows.showTitleScreen = qv::showTitleScreen;
    windows.showPasswordDialog = [] { qv::showPasswordDialogForHost(qv::startupState().hostWindow); };
    return qv::run_program(arguments, windows);
}
