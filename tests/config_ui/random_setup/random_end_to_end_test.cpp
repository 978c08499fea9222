// The random show set up from the keyboard under a real X server, then played: the folder
// chosen in the setup window is the one the show takes its picture from.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/test_files.h"
#include "support/x_program.h"  // last: Xlib macros

namespace {

using qv::test::readFile;

class RandomSetupEndToEnd : public qv::test::XProgramTest {
protected:
    void SetUp() override
    {
        XProgramTest::SetUp();
        QDir().mkpath(pictures_);
        ASSERT_TRUE(qv::test::savePlainPicture(pictures_ + QStringLiteral("/red.bmp"), Qt::red));
        ASSERT_TRUE(qv::test::writeFile(data_ + QStringLiteral("quintavu.rss"),
                                        "\"Quintavue\",0,1,0,15,0,0,1,1\r\n\"/nowhere/Old Pictures\"\r\n\"/nowhere/Sounds\"\r\n"));
    }

    const QString browse_ = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/browse/");
    const QString pictures_ = browse_ + QStringLiteral("Holiday Pictures");
};

TEST_F(RandomSetupEndToEnd, AFolderAddedFromTheKeyboardIsWhatTheShowPlays)
{
    ASSERT_TRUE(program_.start({QStringLiteral("/c")}, browse_));  // where the browsers open
    const Window title = program_.focusWindow(QStringLiteral("Quintavue v5.6"));
    ASSERT_NE(title, 0U) << "the title screen did not appear";
    program_.pressKeys("alt+r");  // Random
    const auto setup = qv::test::XProgram::titled(QStringLiteral("Random Slide Show Editor"));
    ASSERT_NE(program_.sendKeysUntil(title, QStringLiteral("alt+e"), setup), 0U);  // Edit Slide Show
    ASSERT_NE(program_.focusWindow(QStringLiteral("Random Slide Show Editor")), 0U);
    // The folder list has the focus, on the folder the program started in.
    program_.pressKeys("Down");  // highlights "Holiday Pictures" and lists its picture
    program_.pressKeys("Tab");   // the file list
    program_.pressKeys("Tab");   // "Add"
    program_.pressKeys("space");
    for (int i = 0; i < 3; ++i)
        program_.pressKeys("Tab");  // "Delete", "Preview Picture", the picture path list
    program_.pressKeys("Home");     // the old folder alone is selected
    program_.pressKeys("Delete");
    program_.pressKeys("alt+o");  // "&Ok"
    // The title screen stays open all along: what tells the setup is saved is its window
    // going (a mnemonic clicks its button only after a short animation).
    ASSERT_TRUE(program_.waitForWindowGone(QStringLiteral("Random Slide Show Editor")));
    EXPECT_EQ(readFile(data_ + QStringLiteral("quintavu.rss")), "\"Quintavue\",0,1,0,15,0,0,1,1\r\n\"" + QFile::encodeName(pictures_)
                               + "\"\r\n\"/nowhere/Sounds\"\r\n");
    ASSERT_TRUE(program_.focus(title));
    ASSERT_TRUE(program_.sendKeysUntil(title, QStringLiteral("alt+x"), [this] { return program_.ended(); }));  // Exit

    ASSERT_TRUE(program_.start({QStringLiteral("/s")}, browse_));
    EXPECT_TRUE(qv::test::within(60000, [&] { return program_.centre() == 0xff0000U; }))
        << "the show did not bring up the red picture";
    program_.pressKeys("Escape");
    EXPECT_TRUE(program_.process().waitForFinished(60000));
}

} // namespace
