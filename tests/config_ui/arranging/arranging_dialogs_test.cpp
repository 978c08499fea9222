// The adding, arranging, loading, saving and deleting dialogs driven through their controls.
#include "components/platform/file_names.h"
#include "config_ui/arranging/add_files.h"
#include "config_ui/arranging/cload.h"
#include "config_ui/arranging/csave.h"
#include "config_ui/arranging/cus_add2.h"
#include "config_ui/arranging/frmremove.h"
#include "config_ui/arranging/insert.h"
#include "config_ui/arranging/show_file_actions.h"
#include "config_ui/arranging/swap.h"
#include "startup/startup_state.h"
#include "config_ui/support/message_recorder.h"

#include <cstdio>
#include <memory>

#include <unistd.h>

namespace qv::test {
namespace {

class ArrangingDialogs : public ConfigWindowTest {
protected:
    void SetUp() override
    {
        ConfigWindowTest::SetUp();
        ASSERT_TRUE(pictures_.isValid());
        startupState().pictureBrowseDir = picturesFolder();
    }

    QString picturesFolder() const { return pictures_.path() + u'/'; }

    // A BMP whatever the name says: such a file only has to be listed and read.
    void makePicture(const QString& name) const
    {
        ASSERT_TRUE(savePlainPicture(picturesFolder() + name, Qt::darkGreen, 8, 6));
    }

    static QPushButton* button(QWidget* dialog, const char* name) { return control<QPushButton>(dialog, name); }

    static void setUpShow(int slides, int current)
    {
        for (int n = 1; n <= slides; ++n) {
            AppendSlide();
            customShow().picture[static_cast<std::size_t>(n)] = QStringLiteral("/old/%1.jpg").arg(n);
        }
        configUiState().currentSlide = static_cast<std::int16_t>(current);
        configUiState().editorState = slides > 0 ? 2 : 0;
    }

private:
    QTemporaryDir pictures_;
};

// A picture whose name holds a double quote cannot be stored in a show: Insert, Select
// new picture and Add refuse it with a message naming it, stay open, and the show stays
// as it was. Insert then takes a storable one before the current slide, its description
// without the quotes, and remembers the folder.
TEST_F(ArrangingDialogs, APictureNameAShowCannotHoldIsRefusedAndInsertTakesAStorableOne)
{
    const QString quoted = QStringLiteral("say \"cheese\".jpg");
    makePicture(quoted);
    makePicture(QStringLiteral("sunset.jpg"));
    insert inserting;
    cus_add2 replacing;
    Add_files adding;
    for (QDialog* dialog : std::initializer_list<QDialog*>{&inserting, &replacing, &adding}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        customShow() = CustomShow{};
        setUpShow(2, 2);
        messages.messages.clear();
        dialog->show();
        clickRow(dialog, QStringLiteral("File1"), quoted);
        button(dialog, "SSCommand1_0")->click();
        EXPECT_TRUE(messages.shownOnce(picturesFolder() + quoted + "\n"));
        EXPECT_EQ(customShow().slideCount, 2);
        EXPECT_EQ(customShow().picture[2], QStringLiteral("/old/2.jpg"));
        EXPECT_TRUE(dialog == &adding || dialog->isVisible());  // Add adds what it can and closes
    }

    clickRow(&inserting, QStringLiteral("File1"), QStringLiteral("sunset.jpg"));
    QTest::keyClicks(inserting.findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("Say \"cheese\""));
    startupState().pictureBrowseDir.clear();
    button(&inserting, "SSCommand1_0")->click();
    ASSERT_EQ(customShow().slideCount, 3);
    EXPECT_EQ(customShow().picture[2], picturesFolder() + QStringLiteral("sunset.jpg"));
    EXPECT_EQ(customShow().description[2], QStringLiteral("Say cheese"));
    EXPECT_EQ(customShow().delay[2], 10);
    EXPECT_EQ(customShow().picture[3], QStringLiteral("/old/2.jpg"));
    EXPECT_EQ(startupState().pictureBrowseDir, picturesFolder());
    EXPECT_FALSE(inserting.isVisible());
}

// Add All takes every picture of the folder with the delay typed (Insert needs a slide to
// insert before); with Edit descriptions checked, the description walk-through follows
// over the pictures inserted in front of the current slide.
TEST_F(ArrangingDialogs, AddAllTakesEveryPictureWithTheDelayTypedThenTheDescriptionsWalkThrough)
{
    for (const char* name : {"a.jpg", "B.GIF", "c.bmp"})
        makePicture(QLatin1String(name));
    ASSERT_TRUE(writeFile(picturesFolder() + QStringLiteral("notes.txt")));
    {
        Add_files dialog;
        dialog.show();
        auto* delay = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
        ASSERT_NE(delay, nullptr);
        EXPECT_EQ(delay->text(), QStringLiteral("15"));
        EXPECT_FALSE(dialog.findChild<QWidget*>(QStringLiteral("Option1"))->isEnabled());
        delay->selectAll();
        QTest::keyClicks(delay, QStringLiteral("7"));
        button(&dialog, "SSCommand1_1")->click();
    }
    EXPECT_EQ(customShow().delay, (std::vector<std::int16_t>{0, 7, 7, 7}));
    QStringList added;
    for (const QString& picture : customShow().picture)
        added << QFileInfo(picture).fileName();
    added.sort(Qt::CaseInsensitive);
    EXPECT_EQ(added, (QStringList{"", "a.jpg", "B.GIF", "c.bmp"}));
    EXPECT_EQ(configUiState().newSlideLast, 3);  // the range the table edits hand on

    const QString second = customShow().picture[2];
    configUiState().currentSlide = 2;
    configUiState().editorState = 2;
    QStringList modalWindows;
    // Each modal window in turn: choose all pictures in Insert mode, then close the walk-through.
    ModalWatcher driver({}, [&modalWindows](QWidget* modal) {
        modalWindows << modal->objectName();
        if (modal->objectName() == QLatin1String("Add_files")) {
            clickMark(control(modal, QStringLiteral("Option1")));
            clickMark(control(modal, QStringLiteral("Check1")));
            button(modal, "SSCommand1_1")->click();
        } else {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    Add_files::openModal(nullptr);
    EXPECT_EQ(modalWindows, (QStringList{QStringLiteral("Add_files"), QStringLiteral("desc")}));
    EXPECT_EQ(configUiState().newSlideFirst, 2);
    EXPECT_EQ(configUiState().newSlideLast, 4);
    EXPECT_EQ(customShow().slideCount, 6);
    EXPECT_EQ(customShow().picture[5], second);
}

TEST_F(ArrangingDialogs, AutoPreviewIsRememberedAndShowsEachClickedPictureOrWhyItCannot)
{
    makePicture(QStringLiteral("good.jpg"));
    ASSERT_TRUE(writeFile(picturesFolder() + QStringLiteral("broken.jpg"), "not a picture"));
    setUpShow(1, 1);
    configUiState().replaceAutoPreview = 1;
    cus_add2 dialog;
    dialog.show();
    auto* preview = button(&dialog, "SSCommand1_2");
    auto* image = dialog.findChild<QWidget*>(QStringLiteral("FXImage1"));
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(preview->isEnabled());

    clickRow(&dialog, QStringLiteral("File1"), QStringLiteral("good.jpg"));
    EXPECT_TRUE(image->isVisible());
    clickRow(&dialog, QStringLiteral("File1"), QStringLiteral("broken.jpg"));
    EXPECT_FALSE(image->isVisible());
    EXPECT_EQ(messages.titles(), QStringList{QStringLiteral("File error.")});

    clickMark(control(&dialog, QStringLiteral("Check2")));
    EXPECT_EQ(configUiState().replaceAutoPreview, 0);
    EXPECT_TRUE(preview->isEnabled());
    clickRow(&dialog, QStringLiteral("File1"), QStringLiteral("good.jpg"));
    EXPECT_FALSE(image->isVisible());
    preview->click();
    EXPECT_TRUE(image->isVisible());
}

TEST_F(ArrangingDialogs, SwapIsPossibleOnlyOnceARowIsChosen)
{
    setUpShow(4, 1);
    Swap dialog;
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("1 /old/1.jpg"));
    EXPECT_FALSE(button(&dialog, "SSCommand1_0")->isEnabled());
    clickRow(&dialog, QStringLiteral("List1"), QStringLiteral("3 /old/3.jpg "));
    EXPECT_TRUE(button(&dialog, "SSCommand1_0")->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(customShow().picture, (std::vector<QString>{{}, "/old/3.jpg", "/old/2.jpg", "/old/1.jpg", "/old/4.jpg"}));
}

TEST_F(ArrangingDialogs, SaveKeepsLettersAndDigitsAndReturnSavesOnceANameIsThere)
{
    setUpShow(2, 1);
    csave dialog;
    dialog.show();
    auto* entry = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClicks(entry, QStringLiteral("My Show."));
    EXPECT_EQ(entry->text(), QStringLiteral("MyShow"));
    QTest::keyClick(entry, Qt::Key_Return);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(QFile::exists(dataPath(QStringLiteral("MyShow.css"))));
    EXPECT_EQ(globalSettings().activeCss, QStringLiteral("MyShow.css"));
    EXPECT_EQ(configUiState().savedShowName, QStringLiteral("MyShow.css"));
    EXPECT_EQ(configUiState().dialogCancelled, 0);

    // The program's own working copies are deleted after a test run: no show may take their names.
    csave reserved;
    reserved.show();
    QTest::keyClicks(reserved.findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("TDZ"));
    button(&reserved, "SSCommand1")->click();
    EXPECT_TRUE(reserved.isVisible());
    EXPECT_FALSE(QFile::exists(dataPath(QStringLiteral("TDZ.css"))));
    EXPECT_EQ(globalSettings().activeCss, QStringLiteral("MyShow.css"));

    // Another saved show's name asks first (default No); No goes back to the name entry
    // with that show as it was, Yes replaces it.
    const QByteArray other = "\"Quintavue\",,,,,,,0\r\n";
    writeData(QStringLiteral("Other.css"), other);
    csave over;
    over.show();
    QTest::keyClicks(over.findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("other"));
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        messages.messages.clear();
        messages.answers = {answer};
        button(&over, "SSCommand1")->click();
        ASSERT_TRUE(messages.shownOnce(QStringLiteral("Other.css already exists. Replace it?")));
        EXPECT_EQ(messages.messages[0].defaultAnswer, MessageAnswer::No);
        EXPECT_EQ(over.isVisible(), answer == MessageAnswer::No);
        EXPECT_EQ(test::readFile(dataPath(QStringLiteral("Other.css"))) == other, answer == MessageAnswer::No);
    }

    csave cancelled;
    cancelled.show();
    QTest::keyClick(&cancelled, Qt::Key_Escape);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(configUiState().dialogCancelled, 1);
}

// The name comes from the list; a show that cannot be read keeps the dialog open and the
// show as it was; a show named in an 8-bit set, as copied from an old disk, lists readably
// and loads.
TEST_F(ArrangingDialogs, LoadFillsTheNameFromTheListAndStaysOpenWhenTheShowCannotBeRead)
{
    const QByteArray holiday = "\"Quintavue\",,,,,,,1\r\n\"/p/a.jpg\",\"beach\",5,0,0,\"\",0\r\n";
    writeData(QStringLiteral("Holiday.CSS"), holiday);
    writeData(QStringLiteral("Broken.css"), "\"Quintavue\",,,,,,,4\r\n\"/p/a.jpg\",\"\",5,0,0,\"\",0\r\n");
    setUpShow(2, 2);
    globalSettings().activeCss = QStringLiteral("Work.css");
    cload dialog;
    dialog.show();
    auto* entry = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QDir::toNativeSeparators(globalSettings().slideshowPath + QStringLiteral("*.css")));
    EXPECT_FALSE(button(&dialog, "SSCommand1")->isEnabled());

    clickRow(&dialog, QStringLiteral("File1"), QStringLiteral("Broken.css"));
    EXPECT_EQ(entry->text(), QStringLiteral("Broken"));
    button(&dialog, "SSCommand1")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(customShow().slideCount, 2);
    EXPECT_EQ(customShow().picture[2], QStringLiteral("/old/2.jpg"));
    EXPECT_EQ(globalSettings().activeCss, QStringLiteral("Work.css"));

    clickRow(&dialog, QStringLiteral("File1"), QStringLiteral("Holiday.CSS"));
    EXPECT_EQ(entry->text(), QStringLiteral("Holiday"));
    const QString returnTo = configUiState().savedShowName;
    button(&dialog, "SSCommand1")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(customShow().slideCount, 1);
    EXPECT_EQ(customShow().description[1], QStringLiteral("beach"));
    EXPECT_EQ(configUiState().savedShowName, returnTo);  // a show looked at is not yet chosen
    EXPECT_EQ(configUiState().currentSlide, 1);
    EXPECT_EQ(configUiState().editorState, 2);

    const QByteArray raw = encodeFileName(dataPath(QString())) + "S\xE9rie.css";
    {
        const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(raw.constData(), "wb"), &std::fclose);
        ASSERT_TRUE(file && std::fwrite(holiday.constData(), 1, std::size_t(holiday.size()), file.get()) == std::size_t(holiday.size()));
    }
    customShow().description[1].clear();
    cload eightBit;
    eightBit.show();
    clickRow(&eightBit, QStringLiteral("File1"), QString::fromUtf8("Série.css"));
    button(&eightBit, "SSCommand1")->click();
    EXPECT_FALSE(eightBit.isVisible());
    EXPECT_EQ(customShow().description[1], QStringLiteral("beach"));
    EXPECT_EQ(encodeFileName(globalSettings().activeCss), "S\xE9rie.css");
    ::unlink(raw.constData());  // a name QTemporaryDir cannot remove
}

TEST_F(ArrangingDialogs, DeletingAsksFirstAndTheActiveShowLeavesNoShowActive)
{
    writeData(QStringLiteral("Old.css"), "x");
    writeData(QStringLiteral("Current.css"), "x");
    globalSettings().activeCss = QStringLiteral("CURRENT.CSS");
    configUiState().savedShowName = globalSettings().activeCss;
    struct Step {
        const char* file;
        MessageAnswer answer;
        bool deleted;
        const char* activeAfter;
    };
    for (const Step& step : {Step{"Old.css", MessageAnswer::No, false, "CURRENT.CSS"},
                             Step{"Old.css", MessageAnswer::Yes, true, "CURRENT.CSS"},
                             Step{"Current.css", MessageAnswer::Yes, true, "EMPTY"}}) {
        frmremove dialog;
        dialog.show();
        EXPECT_FALSE(button(&dialog, "SSCommand1_0")->isEnabled());
        clickRow(&dialog, QStringLiteral("File1"), QLatin1String(step.file));
        messages.answers.push_back(step.answer);
        button(&dialog, "SSCommand1_0")->click();
        ASSERT_FALSE(messages.messages.empty());
        EXPECT_EQ(messages.messages.back().defaultAnswer, MessageAnswer::No);
        EXPECT_EQ(messages.messages.back().icon, MessageIcon::Critical);
        EXPECT_EQ(QFile::exists(dataPath(QLatin1String(step.file))), !step.deleted) << step.file;
        EXPECT_EQ(globalSettings().activeCss, QLatin1String(step.activeAfter));
        EXPECT_EQ(configUiState().savedShowName, QLatin1String(step.activeAfter));
        EXPECT_FALSE(dialog.isVisible());
    }
}

} // namespace
} // namespace qv::test
