// The random show setup window, driven through its controls over a data folder and a
// picture folder of its own.
#include "config_ui/browsers/file_browser.h"
#include "config_ui/random_setup/r_andom.h"
#include "config_ui/random_setup/random_setup_rules.h"
#include "config_ui/support/message_recorder.h"
#include "showdata/random_show_config_file.h"
#include "showdata/scratch_files.h"
#include "startup/startup_state.h"

#include <QListView>
#include <QPointer>

namespace qv::test {
namespace {

class RandomSetupTest : public ConfigWindowTest {
protected:
    void SetUp() override
    {
        ConfigWindowTest::SetUp();
        ASSERT_TRUE(pictures_.isValid());
        QDir().mkpath(pictures_.path() + "/Holiday");
        ASSERT_TRUE(writeFile(pictures_.path() + "/Holiday/beach.JPG", "x"));
        startupState().randomPictureBrowseDir = pictures_.path() + "/";
        startupState().randomAudioBrowseDir = pictures_.path() + "/";
        startupState().windowsDir = "/usr/share/Quintavue/";
    }

    void TearDown() override
    {
        delete window_.data();
        ConfigWindowTest::TearDown();
    }

    r_andom& open()
    {
        configUiState().editorOpen = true;
        window_ = r_andom::open();
        return *window_;
    }

    template <typename T>
    T* control(const char* name) const { return test::control<T>(window_, QLatin1String(name)); }

    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    // Opens `folder` in the picture browser and adds it to the picture folders.
    void addFolder(const QString& folder)
    {
        window_->browser(0).setFolder(folder);
        click("SSCommand5_0");
    }

    QStringList entries(const char* list) const { return rowTexts(control<QListWidget>(list)->model()); }

    // The saved file of a user with one picture folder.
    QByteArray savedFile() const { return "\"Quintavue\",0,1,7,20,1,0,1,1\r\n\"/srv/Pictures\"\r\n\"/srv/Sounds\"\r\n"; }
    // What another window saved meanwhile.
    static QByteArray otherWindows() { return "\"Quintavue\",0,1,0,7,0,0,0,0\r\n"; }

    QString holiday() const { return pictures_.path() + "/Holiday"; }

    QTemporaryDir pictures_;
    QPointer<r_andom> window_;
};

// Added folders lose their trailing slash (the window's tests add and drop them), but
// the root keeps its only one.
TEST(RandomSetupRules, TheRootFolderKeepsItsSlash) { EXPECT_EQ(folderListEntry("/"), "/"); }

TEST_F(RandomSetupTest, OpensOnTheSavedSettingsAndOkWritesTheEditedOnes)
{
    writeData("quintavu.rss", savedFile());
    r_andom& window = open();
    EXPECT_EQ(entries("List1_0"), QStringList{"/srv/Pictures"});
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), "20");
    EXPECT_TRUE(control<QCheckBox>("Check1_0")->isChecked() && control<QCheckBox>("SSCheck2")->isChecked());

    addFolder(holiday());
    clickMark(control<QCheckBox>("SSCheck1"));
    clickMark(control<QCheckBox>("Check1_1"));
    control<QScrollBar>("VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow

    // A save that fails, or that would replace what another window saved meanwhile and
    // is not confirmed, keeps the window open with the edits.
    writeData("quintavu.rss", otherWindows());
    QFile::setPermissions(dataPath(QString()), QFile::ReadOwner | QFile::ExeOwner);
    click("SSCommand8");
    QFile::setPermissions(dataPath(QString()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    messages.answers = {MessageAnswer::No};
    click("SSCommand8");
    ASSERT_EQ(messages.messages.size(), 2U);
    EXPECT_TRUE(messages.messages[0].text.startsWith("Permission denied\n"));
    EXPECT_EQ(messages.messages[1].text, "quintavu.rss was changed by another window since you opened it. Replace it?");
    EXPECT_TRUE(configUiState().editorOpen && window.isVisible());
    EXPECT_EQ(readFile(dataPath("quintavu.rss")), otherWindows());
    messages.answers = {MessageAnswer::Yes};
    click("SSCommand8");
    EXPECT_FALSE(configUiState().editorOpen);
    EXPECT_EQ(readFile(dataPath("quintavu.rss")), "\"Quintavue\",1,1,7,21,1,1,2,1\r\n\"/srv/Pictures\"\r\n\"" +
                                                      QFile::encodeName(holiday()) + "\"\r\n\"/srv/Sounds\"\r\n");
    EXPECT_EQ(startupState().randomPictureBrowseDir, holiday() + "/");
}

TEST_F(RandomSetupTest, AddingAFolderTwiceKeepsOneEntryAndOkNeedsAPictureFolder)
{
    open();
    const QStringList before = entries("List1_0");
    addFolder(holiday());
    click("SSCommand5_0");
    EXPECT_EQ(entries("List1_0"), QStringList(before) << holiday());
    EXPECT_TRUE(control<QLabel>("Label4")->text().contains("already")) << control<QLabel>("Label4")->text().toStdString();

    // Folders dropped from a file manager go the same way; dropped files are not folders.
    dropUrls(control<QListWidget>("List1_0")->viewport(),
             {QUrl::fromLocalFile(holiday() + "/"), QUrl::fromLocalFile(pictures_.path()),
              QUrl::fromLocalFile(holiday() + "/beach.JPG")});
    EXPECT_EQ(entries("List1_0"), QStringList(before) << holiday() << pictures_.path());

    // A folder name the setup's file cannot hold is refused, naming it.
    const QString quoted = pictures_.path() + "/\"Best\" of";
    ASSERT_TRUE(QDir().mkpath(quoted));
    messages.messages.clear();
    dropUrls(control<QListWidget>("List1_0")->viewport(), {QUrl::fromLocalFile(quoted)});
    EXPECT_TRUE(messages.shownOnce(quoted + "\n"));
    EXPECT_EQ(entries("List1_0"), QStringList(before) << holiday() << pictures_.path());

    // Without a picture folder there is nothing to show: Ok and Test wait for one; sound
    // folders may all go.
    auto* ok = control<QPushButton>("SSCommand8");
    auto* test = control<QPushButton>("SSCommand4");
    control<QListWidget>("List1_1")->selectAll();
    click("SSCommand6_1");
    EXPECT_TRUE(entries("List1_1").isEmpty());
    EXPECT_TRUE(ok->isEnabled() && test->isEnabled());
    control<QListWidget>("List1_0")->selectAll();
    click("SSCommand6_0");
    EXPECT_FALSE(ok->isEnabled() || test->isEnabled());
    click("SSCommand5_0");
    EXPECT_TRUE(ok->isEnabled() && test->isEnabled());
}

// Cancel leaves the saved file as it was; Escape and the close box first ask about
// unsaved changes: Cancel stays, Discard leaves the file as it was, Save writes it.
TEST_F(RandomSetupTest, CancelEscapeAndTheCloseBoxLeaveTheSavedFileAsItWasUnlessToldToSave)
{
    const std::function<void(r_andom&)> ways[] = {
        [this](r_andom&) { click("SSCommand9"); },
        [](r_andom& window) { QTest::keyClick(&window, Qt::Key_Escape); },
        [](r_andom& window) { window.close(); },
    };
    for (int way = 0; way < 3; ++way) {
        for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::No, MessageAnswer::Yes}) {
            writeData("quintavu.rss", savedFile());
            r_andom& window = open();
            clickMark(control<QCheckBox>("Check1_0"));
            click("SSCommand5_0");
            messages.messages.clear();
            messages.answers = {answer};
            ways[way](window);
            EXPECT_EQ(messages.messages.size(), way == 0 ? 0U : 1U);
            const bool stays = way != 0 && answer == MessageAnswer::Cancel;
            EXPECT_EQ(configUiState().editorOpen, stays);
            EXPECT_EQ(window.isVisible(), stays);
            EXPECT_EQ(readFile(dataPath("quintavu.rss")) == savedFile(), way == 0 || answer != MessageAnswer::Yes);
            delete window_.data();
            if (way == 0)
                break;
        }
    }
}

// The show of a test run reads the edited settings from this process's own copy; the
// saved file is never touched, so another window's save meanwhile stays. Without any
// picture in the folders there is no show, only a message.
TEST_F(RandomSetupTest, TestRunShowsTheEditedSettingsAndLeavesTheSavedFileAlone)
{
    writeData("quintavu.rss", savedFile());
    r_andom& window = open();
    control<QListWidget>("List1_0")->selectAll();
    click("SSCommand6_0");
    addFolder(pictures_.path());  // pictures only in its sub-folder
    clickMark(control<QCheckBox>("Check1_0"));  // sub-folders off
    click("SSCommand4");
    EXPECT_EQ(testRuns, 0);
    EXPECT_TRUE(messages.shownOnce("No picture files were found in " + pictures_.path()));
    clickMark(control<QCheckBox>("Check1_0"));  // the sub-folder counts
    QByteArray duringTest;
    setTestShowRunner([&] {
        duringTest = readFile(randomShowConfigPath());
        EXPECT_EQ(readFile(dataPath("quintavu.rss")), savedFile());
        writeFile(dataPath("quintavu.rss"), otherWindows());  // another window's Ok
        showRunning() = false;
    });
    click("SSCommand4");
    EXPECT_TRUE(duringTest.contains(QFile::encodeName(pictures_.path()) + "\""));
    EXPECT_EQ(readFile(dataPath("quintavu.rss")), otherWindows());
    EXPECT_EQ(QDir(dataPath(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{"quintavu.rss"});
    EXPECT_EQ(entries("List1_0"), QStringList{pictures_.path()});
    EXPECT_TRUE(window.isVisible() && window.isEnabled());
}

// The dead run's own settings are still in place; the scratch file tests cover the
// file coming back where none is.
TEST_F(RandomSetupTest, ASetAsideFileLeftByADeadTestRunComesBackAtOpening)
{
    writeData("zxz.rss", savedFile());
    writeData("quintavu.rss", "\"Quintavue\",0,1,0,3,0,0,0,0\r\n");
    open();
    EXPECT_EQ(readFile(dataPath("quintavu.rss")), savedFile());
    EXPECT_FALSE(QFile::exists(dataPath("zxz.rss")));
    EXPECT_EQ(entries("List1_0"), QStringList{"/srv/Pictures"});
}

TEST_F(RandomSetupTest, PreviewsAndOtherWindowsOpenThroughTheirOpeners)
{
    r_andom& window = open();
    window.browser(0).setFolder(holiday());
    click("SSCommand7_0");  // nothing highlighted: nothing happens
    EXPECT_TRUE(opened.isEmpty());
    window.browser(0).fileList()->setCurrentIndex(window.browser(0).fileList()->model()->index(0, 0));
    configUiState().currentSlide = 5;
    click("SSCommand7_0");
    EXPECT_EQ(configUiState().currentSlide, 0);
    EXPECT_EQ(customShow().picture[0], holiday() + "/beach.JPG");
    for (const char* button : {"SSCommand2", "SSCommand3"})
        click(button);
    EXPECT_EQ(opened, (QStringList{"cpic", "frmoptions", "frmEffects"}));
}

} // namespace
} // namespace qv::test
