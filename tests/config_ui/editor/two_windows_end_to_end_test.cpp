// Two configuration processes on one data folder, driven from the keyboard under a real
// X server: neither deletes the other's scratch copies or undoes the other's save
// without asking, and the files are compared byte for byte.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <set>

#include "support/test_files.h"
#include "support/x_program.h"  // last: Xlib macros

namespace {

using qv::test::XProgram;

const QString titleScreen = QStringLiteral("Quintavue v5.6");
const QString editorTitle = QStringLiteral("Custom Slide Show Editor");
const QString showTitle = QStringLiteral("slideshow running");

class TwoWindows : public qv::test::XProgramTest {
protected:
    void SetUp() override
    {
        XProgramTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(second_.connect());
        for (XProgram* program : {&program_, &second_})
            program->keyPauseMs = 250;
        QDir().mkpath(pictures_);
        QString slides;
        for (int n = 1; n <= 4; ++n) {
            const QString picture = pictures_ + QStringLiteral("/%1.bmp").arg(n);
            ASSERT_TRUE(qv::test::savePlainPicture(picture, Qt::blue, 160, 120));
            slides += QStringLiteral("\"%1\",\"slide %2\",1,0,0,\"\",0\r\n").arg(picture).arg(n);
        }
        show_ = "\"Quintavue\",,,,,,,4\r\n" + QFile::encodeName(slides);
        ASSERT_TRUE(qv::test::writeFile(data_ + QStringLiteral("trip.css"), show_));
    }

    // Alt+`letter` sent straight to `window`: a running show holds the keyboard, and a
    // real user's second window would get it by a click the show also holds. A letter
    // only works in the active window, so the window gets the focus first: the window's
    // own request for it may come too late, or lose to the show's.
    static void sendAltKey(const XProgram& program, Window window, const char* letter)
    {
        ASSERT_TRUE(program.focus(window));
        program.sendKeys(window, QStringLiteral("alt+") + QLatin1String(letter));
    }

    // The kind of show the title screen opens on: its "Edit Slide Show" opens the
    // random setup (1) or the editor on "trip.css" (0).
    static void chooseKind(int randomFlag)
    {
        const QString settings = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue");
        QDir().mkpath(settings);
        qv::test::writeFile(settings + QStringLiteral("/Quintavue.ini"),
                            "[data]\nActiveCSS=trip.css\nRandomFlag=" + QByteArray::number(randomFlag) + "\n");
    }

    // Starts `program` and presses "Edit Slide Show": the window titled `windowTitle`
    // (the editor on "trip.css" unless told otherwise), told apart from the other
    // process's by being new. The key goes straight to the title screen, past a running
    // show's hold on the keyboard.
    Window openEditor(XProgram& program, const QString& windowTitle = editorTitle)
    {
        if (windowTitle == editorTitle)
            chooseKind(0);
        std::set<Window> before;
        for (const auto& [window, name] : program_.windows())
            before.insert(window);
        const auto isNew = [&before](const QString& title) {
            return [&before, title](Window window, const QString& name) { return name == title && !before.count(window); };
        };
        if (!program.start({QStringLiteral("/c")}))
            return 0;
        const Window title = program.waitForWindow(isNew(titleScreen));
        if (title == 0 || !program.focus(title))
            return 0;
        const Window editor = program.sendKeysUntil(title, QStringLiteral("alt+e"), isNew(windowTitle));
        if (editor != 0)
            program.focus(editor);
        return editor;
    }

    const QString pictures_ = qEnvironmentVariable("QV_TEST_SCRATCH") + QStringLiteral("/Pictures");
    QByteArray show_;
    XProgram second_;
};

// A previews a slide while B opens its editor (which clears leftovers): A's copies are
// its own, so after the preview A still holds its whole show and saves it unchanged.
TEST_F(TwoWindows, APreviewSurvivesASecondEditorOpening)
{
    const Window editorA = openEditor(program_);
    ASSERT_NE(editorA, 0U) << "the first editor did not open";
    program_.pressKeys("alt+v");  // Preview
    ASSERT_NE(program_.waitForWindow(showTitle), 0U) << "the preview did not start";
    ASSERT_NE(openEditor(second_), 0U) << "the second editor did not open";
    program_.focusWindow(showTitle);
    program_.pressKeys("Escape");
    ASSERT_TRUE(program_.waitForWindowGone(showTitle));
    program_.focus(editorA);
    program_.pressKeys("alt+x");  // Save & Exit
    ASSERT_TRUE(program_.waitForWindowGone([editorA](Window window, const QString&) { return window == editorA; }));
    EXPECT_EQ(qv::test::readFile(data_ + QStringLiteral("trip.css")), show_);
    EXPECT_EQ(QDir(data_).entryList(QDir::Files | QDir::Hidden), QStringList{"trip.css"});
}

// Two editors open the same show; A deletes a slide and saves; B, unchanged, saves too:
// it asks first, and its default answer leaves A's save as it is. (One slide: a busy
// program that takes two Alt letters at once clicks their button once.)
TEST_F(TwoWindows, TheLaterSaveAsksBeforeReplacingTheEarlierOne)
{
    const Window editorA = openEditor(program_);
    ASSERT_NE(editorA, 0U);
    const Window editorB = openEditor(second_);
    ASSERT_NE(editorB, 0U);
    program_.focus(editorA);
    program_.pressKeys("alt+d");  // Delete (the first slide)
    program_.pressKeys("alt+x");
    ASSERT_TRUE(program_.waitForWindowGone([editorA](Window window, const QString&) { return window == editorA; }));
    const QByteArray saved = qv::test::readFile(data_ + QStringLiteral("trip.css"));
    ASSERT_TRUE(saved.startsWith("\"Quintavue\",,,,,,,3\r\n")) << saved.constData();

    second_.focus(editorB);
    second_.pressKeys("alt+x");
    const Window question = second_.waitForWindow(QStringLiteral("Quintavue"));
    ASSERT_NE(question, 0U) << "no question before replacing the other window's save";
    second_.focus(question);
    second_.pressKeys("Return");  // the default: No
    ASSERT_TRUE(second_.waitForWindowGone(QStringLiteral("Quintavue")));
    EXPECT_NE(second_.window([editorB](Window window, const QString&) { return window == editorB; }), 0U);
    EXPECT_EQ(qv::test::readFile(data_ + QStringLiteral("trip.css")), saved);
}

// A tries its random setup while B changes the same setup and saves it with Ok: A's
// test never touched the saved file, so B's save is still there when A's test ends.
TEST_F(TwoWindows, ASaveDuringAnotherWindowsTestRunStays)
{
    const QString setupTitle = QStringLiteral("Random Slide Show Editor");
    const QByteArray original = "\"Quintavue\",0,1,0,5,0,0,1,0\r\n\"" + QFile::encodeName(pictures_) + "\"\r\n";
    ASSERT_TRUE(qv::test::writeFile(data_ + QStringLiteral("quintavu.rss"), original));
    chooseKind(1);
    const Window setupA = openEditor(program_, setupTitle);
    ASSERT_NE(setupA, 0U) << "the first random setup did not open";
    program_.pressKeys("alt+t");  // Test Slide Show
    ASSERT_NE(program_.waitForWindow(showTitle), 0U) << "the test run did not start";

    const Window setupB = openEditor(second_, setupTitle);
    ASSERT_NE(setupB, 0U) << "the second random setup did not open";
    sendAltKey(second_, setupB, "s");  // Show Filenames off
    sendAltKey(second_, setupB, "o");  // Ok
    ASSERT_TRUE(second_.waitForWindowGone([setupB](Window window, const QString&) { return window == setupB; }));
    const QByteArray savedByB = qv::test::readFile(data_ + QStringLiteral("quintavu.rss"));
    ASSERT_EQ(savedByB, "\"Quintavue\",0,0,0,5,0,0,1,0\r\n\"" + QFile::encodeName(pictures_) + "\"\r\n");

    program_.focusWindow(showTitle);
    program_.pressKeys("Escape");
    ASSERT_TRUE(program_.waitForWindowGone(showTitle));
    EXPECT_EQ(qv::test::readFile(data_ + QStringLiteral("quintavu.rss")), savedByB);
    EXPECT_EQ(QDir(data_).entryList(QDir::Files | QDir::Hidden), (QStringList{"quintavu.rss", "trip.css"}));
}

} // namespace
