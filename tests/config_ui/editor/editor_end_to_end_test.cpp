// A new custom show built from the keyboard in the whole program under a real X server:
// two pictures added, a description and a delay set, the show saved under a name and
// tried in a test run. The file it writes is compared byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/test_files.h"
#include "support/x_program.h"  // last: Xlib macros

namespace {

using qv::test::XProgram;

class EditorEndToEnd : public qv::test::XProgramTest {
protected:
    void SetUp() override
    {
        XProgramTest::SetUp();
        program_.keyPauseMs = 250;
        QDir().mkpath(pictures_);
        for (const char* name : {"a.bmp", "b.bmp"})
            ASSERT_TRUE(qv::test::savePlainPicture(pictures_ + QLatin1Char('/') + QLatin1String(name), Qt::blue, 160, 120));
    }

    const QString pictures_ = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/Beach Pictures");
};

TEST_F(EditorEndToEnd, ANewShowBuiltFromTheKeyboardIsSavedAsBuilt)
{
    // The picture browser opens in the folder the program started in.
    ASSERT_TRUE(program_.start({QStringLiteral("/c")}, pictures_));

    const QString titleScreen = QStringLiteral("Quintavue v5.6");
    const QString editor = QStringLiteral("Custom Slide Show Editor");
    const Window title = program_.focusWindow(titleScreen);
    ASSERT_NE(title, 0U) << "the title screen did not appear";
    program_.pressKeys("alt+c");  // Custom, which enables Edit New Slide Show
    ASSERT_NE(program_.sendKeysUntil(title, QStringLiteral("alt+n"), XProgram::titled(editor)), 0U);
    ASSERT_NE(program_.focusWindow(editor), 0U);

    program_.pressKeys("alt+a");  // Add: the dialog lists the two pictures of the folder
    ASSERT_NE(program_.focusWindow(QStringLiteral("Add pictures to slide show")), 0U);
    program_.pressKeys("alt+a");  // Add All
    ASSERT_TRUE(program_.waitForWindowGone(QStringLiteral("Add pictures to slide show")));

    // The grid has the keys, on the first slide's picture.
    program_.focusWindow(editor);
    program_.pressKeys("Right");
    program_.pressKeys("Return");
    ASSERT_NE(program_.focusWindow(QStringLiteral("Edit description of picture")), 0U);
    program_.type("sunrise");
    program_.pressKeys("Return");
    program_.focusWindow(editor);
    program_.pressKeys("Right");
    program_.pressKeys("Return");
    ASSERT_NE(program_.focusWindow(QStringLiteral("Number of seconds to display picture")), 0U);
    program_.type("7");
    program_.pressKeys("Return");

    program_.focusWindow(editor);
    program_.pressKeys("alt+s");  // Save
    ASSERT_NE(program_.focusWindow(QStringLiteral("Save Slideshow")), 0U);
    program_.type("trip");
    program_.pressKeys("Return");
    // A test run plays the show full screen on a copy, which goes when a key ends it.
    program_.focusWindow(editor);
    program_.pressKeys("alt+t");
    ASSERT_NE(program_.focusWindow(QStringLiteral("slideshow running")), 0U) << "the test run did not start";
    QThread::msleep(1000);
    program_.pressKeys("Escape");
    ASSERT_TRUE(program_.waitForWindowGone(QStringLiteral("slideshow running")));
    EXPECT_EQ(QDir(data_).entryList({QStringLiteral("*.css")}, QDir::Files), QStringList{"trip.css"});

    program_.focusWindow(editor);
    program_.pressKeys("alt+x");  // Save & Exit
    ASSERT_TRUE(program_.waitForWindowGone(editor)) << "the editor did not close";

    const QByteArray folder = QFile::encodeName(pictures_);
    EXPECT_EQ(qv::test::readFile(data_ + QStringLiteral("trip.css")), "\"Quintavue\",,,,,,,2\r\n\"" + folder + "/a.bmp\",\"sunrise\",7,0,0,\"\",0\r\n\"" + folder
                                   + "/b.bmp\",\"\",15,0,0,\"\",0\r\n");

    const Window titleAgain = program_.focusWindow(titleScreen);
    ASSERT_NE(titleAgain, 0U);
    EXPECT_TRUE(program_.sendKeysUntil(titleAgain, QStringLiteral("alt+x"), [this] { return program_.ended(); }));  // Exit
}

} // namespace
