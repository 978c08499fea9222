// Configuration mode as a user meets it under a real X server: the splash, then the
// title screen, driven from the keyboard alone; the choices must reach the settings.
#include <gtest/gtest.h>

#include <QSettings>

#include "support/test_files.h"
#include "support/x_program.h"  // last: Xlib macros

namespace {

class TitleEndToEnd : public qv::test::XProgramTest {
protected:
    void SetUp() override
    {
        XProgramTest::SetUp();
        ASSERT_TRUE(qv::test::writeFile(data_ + QStringLiteral("Holiday.css"), qv::test::customShowText({})));
    }
};

TEST_F(TitleEndToEnd, ChoicesMadeFromTheKeyboardAreSavedOnExit)
{
    // The splash comes first and goes once the title screen is active.
    ASSERT_TRUE(program_.start({QStringLiteral("/c")}));
    EXPECT_NE(program_.waitForWindow(QStringLiteral("Quintavue")), 0U);
    const Window title = program_.focusWindow(QStringLiteral("Quintavue v5.6"));
    ASSERT_NE(title, 0U);
    EXPECT_TRUE(program_.waitForWindowGone(QStringLiteral("Quintavue")));
    program_.pressKeys("alt+c");  // Custom
    program_.pressKeys("alt+s");  // to the list of shows
    program_.pressKeys("Down");   // the first show becomes the current one
    // Options opens over the title screen; its Ok (the default button) closes it.
    const std::map<Window, QString> before = program_.windows();
    program_.pressKeys("alt+o");
    const auto isNew = [&](Window window, const QString&) { return before.count(window) == 0; };
    const Window options = program_.waitForWindow(isNew);
    ASSERT_NE(options, 0U);
    program_.focus(options);
    program_.pressKeys("Return");
    ASSERT_TRUE(program_.waitForWindowGone(isNew));
    ASSERT_TRUE(program_.focus(title));
    ASSERT_TRUE(program_.sendKeysUntil(title, QStringLiteral("alt+x"), [this] { return program_.ended(); }));  // Exit
    EXPECT_EQ(program_.process().exitCode(), 0);
    const QSettings stored(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue/Quintavue.ini"),
                           QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("data/RandomFlag")).toString(), QStringLiteral("0"));
    EXPECT_EQ(stored.value(QStringLiteral("data/ActiveCSS")).toString(), QStringLiteral("Holiday.css"));
}

} // namespace
