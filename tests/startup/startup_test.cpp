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
    // The show's window only, closing shortly after it opens.
    ModeWindows showOnly()
    {
        ModeWindows windows;
        windows.showShowWindow = [this] { openShortLivedWindow(&opened); };
        return windows;
    }
    int opened = 0;
};

TEST_F(StartupTest, UnknownSwitchOpensNothingAndAModeWhoseWindowIsMissingFailsLoudly)
{
    ModeWindows windows = showOnly();
    windows.showTitleScreen = [this] { openShortLivedWindow(&opened); };
    EXPECT_EQ(run_program({QStringLiteral("/x")}, windows), 0);
    EXPECT_EQ(opened, 0);
    for (const char* mode : {"/s", "/c", "/a"})
        EXPECT_EQ(run_program({QString::fromLatin1(mode)}, ModeWindows()), 2) << mode;
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
        EXPECT_EQ(run_program({QStringLiteral("/s")}, showOnly()), 0);
        EXPECT_EQ(opened, c.opens) << c.display << " window " << c.daemonWindow;
    }
    qputenv("DISPLAY", display);
}

// A show file plays as a custom show, and a show file or presentation mode plays without
// the password, cleared before any window opens; the store keeps what it holds.
TEST_F(StartupTest, AShowFileOrAPresentationPlaysWithoutPasswordAndLeavesTheStoreAlone)
{
    const struct {
        QStringList arguments;
        const char* setting;
        const char* commandLine;
        int randomFlag;
    } cases[] = {{{"/home/ann/My", "Holiday.Css"}, "data/RandomFlag", "/home/ann/My Holiday.Css", 0},
                 {{"/s"}, "data/presentation_mode", "/s", 1}};
    for (const auto& c : cases) {
        store().setValue(QString::fromLatin1(c.setting), QStringLiteral("1"));
        store().setValue(QStringLiteral("data/PasswordName"), QStringLiteral("xayfziyewhxh"));
        QString passwordSeenByShow = QStringLiteral("untouched");
        ModeWindows windows;
        windows.showShowWindow = [&] {
            passwordSeenByShow = globalSettings().screenSaverPassword;
            openShortLivedWindow(&opened);
        };
        EXPECT_EQ(run_program(c.arguments, windows), 0);
        EXPECT_TRUE(passwordSeenByShow.isEmpty()) << c.setting;
        EXPECT_EQ(startupState().commandLine, QString::fromLatin1(c.commandLine));
        EXPECT_EQ(startupState().runMode, QStringLiteral("/S"));
        EXPECT_EQ(globalSettings().randomFlag, c.randomFlag) << c.setting;
        EXPECT_EQ(store().value(QString::fromLatin1(c.setting)).toString(), QStringLiteral("1"));
        EXPECT_EQ(store().value(QStringLiteral("data/PasswordName")).toString(), QStringLiteral("xayfziyewhxh"));
    }
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
