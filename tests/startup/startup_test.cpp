#include "components/platform/window_titles.h"
#include "settings/global_settings.h"
#include "startup/shared_routines.h"
#include "startup/startup.h"
#include "startup/startup_state.h"

#include <QApplication>
#include <QCursor>
#include <QSettings>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "startup/program_windows.h"

namespace qv {
namespace {

QSettings store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"),
                     QStringLiteral("Quintavue"));
}

// A window that closes itself shortly after it opens, as a user would close it.
void openShortLivedWindow(int* opened)
{
    ++*opened;
    auto* window = new QWidget;  // deletes itself on close
    window->setAttribute(Qt::WA_DeleteOnClose);
    registerProgramWindow(window);
    window->show();
    QTimer::singleShot(50, window, &QWidget::close);
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store().clear();
        globalSettings() = GlobalSettings();
        startupState() = StartupState();
    }
    int opened = 0;
};

TEST_F(StartupTest, UnknownSwitchOpensNothingAndAModeWhoseWindowIsMissingFailsLoudly)
{
    ModeWindows windows;
    windows.showShowWindow = [this] { openShortLivedWindow(&opened); };
    windows.showTitleScreen = [this] { openShortLivedWindow(&opened); };
    EXPECT_EQ(run_program({QStringLiteral("/x")}, windows), 0);
    EXPECT_EQ(opened, 0);
    for (const char* mode : {"/s", "/c", "/a"})
        EXPECT_EQ(run_program({QString::fromLatin1(mode)}, ModeWindows()), 2) << mode;
}

TEST_F(StartupTest, ShowRunsUntilItsWindowCloses)
{
    ModeWindows windows;
    windows.showShowWindow = [this] { openShortLivedWindow(&opened); };
    EXPECT_EQ(run_program({QStringLiteral("/S"), QStringLiteral("/t")}, windows), 0);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(startupState().testSwitch, 1);
    EXPECT_FALSE(anyProgramWindowOpen());
}

// One show per display: the same display refuses a second one, another display or a
// daemon's window does not.
TEST_F(StartupTest, ASecondShowOnTheSameDisplayIsRefusedSilently)
{
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":87");
    const TitleMarker runningShow(QStringLiteral("slideshow running"));
    ASSERT_TRUE(runningShow.held());
    const struct {
        const char* display;
        std::uint32_t daemonWindow;
        int opens;
    } cases[] = {{":87", 0, 0}, {":87.1", 0, 0}, {":88", 0, 1}, {":87", 1234, 1}};
    for (const auto& c : cases) {
        qputenv("DISPLAY", c.display);
        startupState().daemonWindow = c.daemonWindow;
        opened = 0;
        ModeWindows windows;
        windows.showShowWindow = [this] { openShortLivedWindow(&opened); };
        EXPECT_EQ(run_program({QStringLiteral("/s")}, windows), 0);
        EXPECT_EQ(opened, c.opens) << c.display << " window " << c.daemonWindow;
    }
    qputenv("DISPLAY", display);
}

TEST_F(StartupTest, TheMarkerGoesWithTheShow)
{
    { const TitleMarker runningShow(QStringLiteral("slideshow running")); }
    EXPECT_TRUE(no_window_titled(QStringLiteral("slideshow running")));
    // Other titles are independent.
    const TitleMarker other(QStringLiteral("something else"));
    EXPECT_TRUE(no_window_titled(QStringLiteral("slideshow running")));
}

TEST_F(StartupTest, AShowFileIsAPasswordlessCustomShowAndLeavesTheStoreAlone)
{
    {
        QSettings s = store();
        s.beginGroup(QStringLiteral("data"));
        s.setValue(QStringLiteral("RandomFlag"), QStringLiteral("1"));
        s.setValue(QStringLiteral("PasswordName"), QStringLiteral("xayfziyewhxh"));
    }
    ModeWindows windows;
    windows.showShowWindow = [this] { openShortLivedWindow(&opened); };
    EXPECT_EQ(run_program({QStringLiteral("/home/ann/My"), QStringLiteral("Holiday.Css")}, windows), 0);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(startupState().runMode, QStringLiteral("/S"));
    EXPECT_EQ(startupState().commandLine, QStringLiteral("/home/ann/My Holiday.Css"));
    EXPECT_EQ(globalSettings().randomFlag, 0);
    EXPECT_TRUE(globalSettings().screenSaverPassword.isEmpty());
    QSettings s = store();
    EXPECT_EQ(s.value(QStringLiteral("data/RandomFlag")).toString(), QStringLiteral("1"));
}

TEST_F(StartupTest, PresentationModeClearsThePasswordBeforeAnyWindowOpens)
{
    {
        QSettings s = store();
        s.setValue(QStringLiteral("data/presentation_mode"), QStringLiteral("1"));
        s.setValue(QStringLiteral("data/PasswordName"), QStringLiteral("xa"));
    }
    QString passwordSeenByShow = QStringLiteral("untouched");
    ModeWindows windows;
    windows.showShowWindow = [&] {
        passwordSeenByShow = globalSettings().screenSaverPassword;
        openShortLivedWindow(&opened);
    };
    run_program({QStringLiteral("/s")}, windows);
    EXPECT_TRUE(passwordSeenByShow.isEmpty());
}

TEST_F(StartupTest, PreviewReadsTheHostWindowNumber)
{
    ModeWindows windows;
    windows.loadPreviewHost = [this] { openShortLivedWindow(&opened); };
    run_program({QStringLiteral("/p"), QStringLiteral("1234")}, windows);
    EXPECT_EQ(startupState().hostWindow, 1234U);
    run_program({QStringLiteral("/p:1234")}, windows);
    EXPECT_EQ(startupState().hostWindow, 0U);
    EXPECT_EQ(opened, 2);
}

TEST(Pointer, HidesBelowZeroAndShowsAtZeroLikeADisplayCounter)
{
    show_pointer();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    hide_pointer();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    hide_pointer();  // deeper, still one override
    show_pointer();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    show_pointer();  // already visible: nothing to restore
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace qv
