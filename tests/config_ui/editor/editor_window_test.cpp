#include "config_ui/editor/create_sequence.h"

#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/window_openers.h"
#include "showdata/custom_show_file.h"
#include "showdata/scratch_files.h"
#include "startup/program_windows.h"
#include "config_ui/support/message_recorder.h"
#include "support/qt_printers.h"

#include <QProcess>
#include <QStandardPaths>

#include <memory>

namespace qv {
namespace {

using test::ConfigWindowTest;
using test::numberedShow;

class EditorWindow : public ConfigWindowTest {
protected:
    void SetUp() override
    {
        ConfigWindowTest::SetUp();
        EditorDialogOpeners& dialogs = editorDialogOpeners();
        savedDialogs_ = dialogs;
        const auto r = [this](const char* name) { return recordOpening(name); };
        dialogs = EditorDialogOpeners{r("desc_2"), r("delays"), r("effects"), r("wav"),   r("cus_add2"), r("Add_files"),
                                      r("insert"), r("Swap"),   r("cload"),   r("csave"), r("frmremove")};
    }

    void TearDown() override
    {
        editor_.reset();
        disposeRetiredWindows();
        editorDialogOpeners() = savedDialogs_;
        ConfigWindowTest::TearDown();
    }

    // Saves `show` as "name" and opens the editor on it, as the title screen does.
    // `returnTo` is the show active before (the title screen's "Edit New Slide Show" opens on
    // "NEW EDIT").
    create_sequence& openOn(const CustomShow& show, const QString& name = QStringLiteral("trip.css"),
                            const QString& returnTo = QString())
    {
        customShow() = show;
        globalSettings().activeCss = name;
        if (name != QLatin1String("NEW EDIT") && name != QLatin1String("EMPTY")) {
            EXPECT_EQ(SaveCustomShow(), 0);
        }
        configUiState().savedShowName = returnTo.isEmpty() ? name : returnTo;
        configUiState().editorOpen = true;
        editor_ = std::make_unique<create_sequence>();
        editor_->Form_Load();
        editor_->show();
        return *editor_;
    }

    void click(int button) { QTest::mouseClick(editor_->button(button), Qt::LeftButton); }
    void clickCell(int cell) { QTest::mouseClick(editor_->cell(cell), Qt::LeftButton); }
    QString text(int cell) const { return editor_->cell(cell)->text(); }
    QWidget* grid() const { return editor_->findChild<QWidget*>(QStringLiteral("Grid")); }
    QString label(const char* name) const { return editor_->findChild<QLabel*>(QLatin1String(name))->text(); }

    std::unique_ptr<create_sequence> editor_;

private:
    EditorDialogOpeners savedDialogs_;
};

// The bar serves only shows longer than one page; the wheel and the keys move it too.
TEST_F(EditorWindow, ScrollBarWheelAndKeysKeepLongShowsInView)
{
    openOn(numberedShow(10));
    EXPECT_FALSE(editor_->scrollBar()->isEnabled());
    EXPECT_EQ(text(63), QStringLiteral("/p/10.jpg"));

    openOn(numberedShow(11));
    QScrollBar* bar = editor_->scrollBar();
    ASSERT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->maximum(), 2);
    bar->setValue(2);
    EXPECT_EQ(QStringList({text(70), text(79), text(63)}), QStringList({"2", "11", "/p/11.jpg"}));
    EXPECT_EQ(configUiState().currentSlide, 2);  // the highlight stays on the first row

    // The wheel scrolls the same bar.
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid(), &wheel);
    EXPECT_EQ(configUiState().topRow, 1);

    // Deleting a slide on the last page keeps that page full.
    openOn(numberedShow(12));
    editor_->scrollBar()->setValue(3);
    clickCell(9 * 7);
    click(13);
    EXPECT_EQ(configUiState().topRow, 2);
    EXPECT_EQ(QStringList({text(70), text(79)}), QStringList({"2", "11"}));

    // The keys scroll to keep the selection in view.
    openOn(numberedShow(25));
    grid()->setFocus();
    for (int k = 0; k < 12; ++k)
        QTest::keyClick(grid(), Qt::Key_Down);
    EXPECT_EQ(configUiState().currentSlide, 13);
    EXPECT_EQ(configUiState().topRow, 4);
    EXPECT_EQ(editor_->scrollBar()->value(), 4);
    QTest::keyClick(grid(), Qt::Key_End);
    EXPECT_TRUE(editor_->rowHighlighted(9));
    EXPECT_EQ(editor_->focusWidget(), grid());
}

TEST_F(EditorWindow, CellsShowWhatFitsSoundNeedsASoundAndResetAsksFirst)
{
    CustomShow show = numberedShow(2);
    show.audio[1] = QString();
    show.picture[1] = QStringLiteral("/pictures/abcde.jpg");
    show.picture[2] = QStringLiteral("/pictures/") + QString(300, QLatin1Char('p')) + QStringLiteral("/last.jpg");
    show.description[1] = QString(300, QLatin1Char('d'));
    show.audio[2] = QStringLiteral("Sound Off");
    openOn(show);
    EXPECT_EQ(text(0), QStringLiteral("/pictures/abcde.jpg"));
    // Cut where they do not fit, a path at its start, each whole in its tool tip.
    EXPECT_TRUE(text(7).startsWith(QChar(0x2026)) && text(7).endsWith(QStringLiteral("/last.jpg"))) << text(7).toStdString();
    EXPECT_EQ(editor_->cell(7)->toolTip(), show.picture[2]);
    EXPECT_TRUE(text(1).startsWith(QStringLiteral("ddd")) && text(1).endsWith(QChar(0x2026)));
    EXPECT_EQ(editor_->cell(1)->toolTip(), show.description[1]);
    EXPECT_EQ(text(12), QStringLiteral("Sound Off"));
    EXPECT_EQ(text(14), QString());  // rows past the show are blank
    EXPECT_EQ(label("FXLabel1") + label("FXLabel2"), QStringLiteral("Pictures in slide show =2File=trip.css"));
    // A name of any length is shortened in the window, never widening it.
    const int width = editor_->sizeHint().width();
    editorDialogOpeners().saveDialog = [](QWidget*) { globalSettings().activeCss = QString(1 << 20, u'n') + ".css"; };
    click(19);
    EXPECT_EQ(editor_->sizeHint().width(), width);
    globalSettings().activeCss = QStringLiteral("trip.css");

    for (const int cell : {0, 7}) {  // no sound, then "Sound Off": nothing to set up
        clickCell(cell);
        click(3);
    }
    ASSERT_EQ(messages.messages.size(), 2U);
    EXPECT_EQ(messages.messages[1].text, QStringLiteral("No Audio File!"));

    // Reset asks first (its default answer is No), then forgets the show and its name.
    click(17);
    EXPECT_EQ(customShow().slideCount, 2);
    messages.answers = {MessageAnswer::Yes};
    click(17);
    EXPECT_EQ(customShow().slideCount, 0);
    EXPECT_EQ(globalSettings().activeCss, QStringLiteral("EMPTY"));
    EXPECT_EQ(label("FXLabel2"), QStringLiteral("File="));
    EXPECT_FALSE(editor_->rowHighlighted(0));
}

TEST_F(EditorWindow, DeletingMovesLaterSlidesUpAndTheSelectionOffTheEnd)
{
    const CustomShow five = numberedShow(5);
    openOn(five);
    clickCell(2 * 7 + 3);
    click(13);
    ASSERT_EQ(customShow().slideCount, 4);
    for (const auto& [position, former] : {std::pair{1, 1}, {2, 2}, {3, 4}, {4, 5}})
        EXPECT_EQ(customShow().slide(position), five.slide(former));

    clickCell(3 * 7);  // the last slide, then delete it
    click(13);
    EXPECT_EQ(customShow().slideCount, 3);
    EXPECT_EQ(configUiState().currentSlide, 3);
    EXPECT_TRUE(editor_->rowHighlighted(2));
    EXPECT_FALSE(editor_->rowHighlighted(3));

    clickCell(6 * 7);  // a blank row changes nothing
    EXPECT_EQ(configUiState().currentSlide, 3);

    for (int left = 3; left > 0; --left)
        click(13);
    EXPECT_EQ(configUiState().currentSlide, 0);
    for (const auto& [button, enabled] : {std::pair{13, false}, {22, false}, {12, true}})
        EXPECT_EQ(editor_->button(button)->isEnabled(), enabled) << button;
    EXPECT_EQ(text(0), QString());
}

TEST_F(EditorWindow, LoopButtonAndDoubleClicksActOnTheSelectedSlide)
{
    openOn(numberedShow(3));  // slides 1 and 3 loop, slide 2 does not
    clickCell(7);
    click(11);
    EXPECT_EQ(customShow().audioLoop[2], 1);
    EXPECT_EQ(text(13), QStringLiteral("Yes"));
    click(11);
    EXPECT_EQ(text(13), QStringLiteral("No"));

    for (const int column : {0, 1, 2, 3, 4, 5})
        QTest::mouseDClick(editor_->cell(14 + column), Qt::LeftButton);
    EXPECT_EQ(opened, (QStringList{"cus_add2", "desc_2", "delays", "effects", "effects", "wav"}));
    EXPECT_EQ(configUiState().currentSlide, 3);

    // The keyboard: Up moves to the slide above and Return opens the cell under the
    // focus (the sound); Left moves to the effects column, where Return opens them.
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Up);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(configUiState().currentSlide, 2);
    EXPECT_EQ(opened.last(), QStringLiteral("wav"));
    QTest::keyClick(grid(), Qt::Key_Left);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(opened.last(), QStringLiteral("effects"));
}

// Cancel leaves at once: the edited slides stay in memory, the name goes back to the
// show the editor opened on. The close box and Escape (pressed in the grid) ask first
// when there are unsaved changes: Cancel stays, Discard leaves as Cancel does, Save
// saves and leaves.
TEST_F(EditorWindow, LeavingAsksAboutUnsavedChangesExceptThroughCancel)
{
    const std::function<void()> ways[] = {[this] { click(23); }, [this] { editor_->close(); },
                                          [this] { QTest::keyClick(grid(), Qt::Key_Escape); }};
    const QByteArray four = formatCustomShow(numberedShow(4), QStringLiteral("Quintavue"));
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        openOn(numberedShow(4));
        messages.messages.clear();
        ways[way]();  // nothing changed: nothing to ask
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_FALSE(configUiState().editorOpen);
        for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::No, MessageAnswer::Yes}) {
            openOn(numberedShow(4));
            clickCell(0);
            click(13);
            messages.messages.clear();
            messages.answers = {answer};
            ways[way]();
            if (way == 0) {
                EXPECT_TRUE(messages.messages.empty());
            } else {
                ASSERT_EQ(messages.messages.size(), 1U);
                EXPECT_EQ(messages.messages[0].text, QStringLiteral("Save changes to trip.css?"));
            }
            const bool stays = way != 0 && answer == MessageAnswer::Cancel;
            EXPECT_EQ(configUiState().editorOpen, stays);
            EXPECT_EQ(globalSettings().activeCss, QStringLiteral("trip.css"));
            EXPECT_EQ(customShow().slideCount, 3);
            EXPECT_EQ(test::readFile(dataPath(QStringLiteral("trip.css"))) == four,
                      way == 0 || answer != MessageAnswer::Yes);
            if (way == 0)
                break;
        }
    }
}

// Whatever was tried, reset or looked at in the editor, Cancel returns to the show
// that was active when it opened.
TEST_F(EditorWindow, CancelAfterTestPreviewResetOrLoadKeepsTheActiveShow)
{
    setTestShowRunner([] {
        LoadCustomShow();
        showRunning() = false;
    });
    editorDialogOpeners().loadDialog = [](QWidget*) {
        globalSettings().activeCss = QStringLiteral("other.css");
        LoadCustomShow();
    };
    customShow() = numberedShow(3);
    globalSettings().activeCss = QStringLiteral("other.css");
    ASSERT_EQ(SaveCustomShow(), 0);
    for (const QString& openedOn : {QStringLiteral("trip.css"), QStringLiteral("NEW EDIT")}) {
        for (const int button : {22, 16, 17, 18}) {
            openOn(numberedShow(3), openedOn, QStringLiteral("trip.css"));
            customShow() = numberedShow(2);
            messages.answers = {MessageAnswer::Yes};
            click(button);
            click(23);
            EXPECT_EQ(globalSettings().activeCss, QStringLiteral("trip.css")) << button << openedOn.toStdString();
        }
    }
}

// A show that cannot be read whole, or is longer than the editor can hold, opens blank
// with a message, and Save & Exit replaces it only when the user confirms that the
// rest of it is lost.
TEST_F(EditorWindow, ADamagedOrTooLongShowOpensBlankAndIsReplacedOnlyWhenTheUserSaysSo)
{
    const QByteArray tooLong = formatCustomShow(numberedShow(50000), QStringLiteral("Quintavue"));
    const QByteArray damaged = "\"Quintavue\",,,,,,,4\r\n\"/p/a.jpg\",\"\",5,0,0,\"\",0\r\n";
    for (const auto& [file, answer] : {std::pair{damaged, MessageAnswer::No}, {damaged, MessageAnswer::Yes},
                                       {tooLong, MessageAnswer::No}}) {
        writeData(QStringLiteral("trip.css"), file);
        messages.messages.clear();
        openOn(CustomShow{}, QStringLiteral("EMPTY"));
        globalSettings().activeCss = QStringLiteral("trip.css");
        editor_->Form_Load();
        ASSERT_EQ(messages.messages.size(), 1U);
        if (file == tooLong) {
            EXPECT_TRUE(messages.messages[0].text.startsWith("trip.css holds 50000 slides"));
        }
        EXPECT_EQ(customShow().slideCount, 0);
        EXPECT_EQ(text(0), QString());
        writeData(QStringLiteral("a.jpg"));
        editor_->dropFiles({dataPath(QStringLiteral("a.jpg"))}, -1);
        messages.messages.clear();
        messages.answers = {answer};
        click(20);
        ASSERT_TRUE(messages.shownOnce(QStringLiteral("trip.css could not be read whole.")));
        EXPECT_EQ(messages.messages[0].defaultAnswer, MessageAnswer::No);
        EXPECT_EQ(test::readFile(dataPath(QStringLiteral("trip.css"))) == file, answer == MessageAnswer::No);
        EXPECT_EQ(configUiState().editorOpen, answer == MessageAnswer::No);
    }
}

TEST_F(EditorWindow, SaveAndExitAsksForANameFirstOnANewShow)
{
    openOn(CustomShow{}, QStringLiteral("NEW EDIT"));
    EXPECT_EQ(globalSettings().activeCss, QStringLiteral("EMPTY"));
    editorDialogOpeners().addPicturesDialog = [](QWidget*) {  // as "Add" on an empty show does
        customShow() = numberedShow(2);
        configUiState().editorState = 1;
    };
    click(12);
    EXPECT_EQ(configUiState().currentSlide, 1);
    EXPECT_TRUE(editor_->rowHighlighted(0));
    EXPECT_EQ(text(7), QStringLiteral("/p/2.jpg"));
    editorDialogOpeners().saveDialog = [](QWidget*) { configUiState().dialogCancelled = 1; };
    click(20);
    EXPECT_TRUE(configUiState().editorOpen);

    editorDialogOpeners().saveDialog = [](QWidget*) {
        globalSettings().activeCss = QStringLiteral("named.css");
        SaveCustomShow();
    };
    click(20);
    EXPECT_FALSE(configUiState().editorOpen);
    EXPECT_TRUE(QFile::exists(dataPath(QStringLiteral("named.css"))));

    // A named show is written straight away, replacing the file.
    openOn(numberedShow(3));
    customShow().description[2] = QStringLiteral("changed");
    click(20);
    EXPECT_FALSE(configUiState().editorOpen);
    EXPECT_EQ(test::readFile(dataPath(QStringLiteral("trip.css"))), formatCustomShow(customShow(), QStringLiteral("Quintavue")));
    EXPECT_TRUE(QDir(dataPath(QString())).entryList(QDir::Files | QDir::Hidden).size() == 2);
}

TEST_F(EditorWindow, TestRunAndPreviewLeaveNoScratchFileAndTheShowUnchanged)
{
    for (const char* leftover : {"tdz.css", "ZXZ.CSS", "zxz2.css"})
        writeData(QLatin1String(leftover));
    const CustomShow show = numberedShow(5);
    openOn(show);
    EXPECT_EQ(QDir(dataPath(QString())).entryList(QDir::Files), QStringList{"trip.css"});

    QStringList names;
    QList<int> counts;
    setTestShowRunner([&] {  // plays what the real show would load
        names << globalSettings().activeCss;
        EXPECT_EQ(LoadCustomShow(), 0);
        counts << customShow().slideCount;
        showRunning() = false;
    });
    click(22);
    clickCell(2 * 7);
    click(16);
    EXPECT_EQ(names, (QStringList{ScratchFile::testRunCopy(), ScratchFile::singleSlideCopy()}));
    EXPECT_EQ(counts, (QList<int>{5, 1}));
    EXPECT_EQ(formatCustomShow(customShow(), {}), formatCustomShow(show, {}));
    EXPECT_EQ(globalSettings().activeCss, QStringLiteral("trip.css"));
    EXPECT_EQ(QDir(dataPath(QString())).entryList(QDir::Files | QDir::Hidden), QStringList{"trip.css"});
    EXPECT_TRUE(editor_->button(16)->isEnabled());
}

TEST_F(EditorWindow, DroppedPicturesAreAppendedAndADroppedSoundGoesToItsRow)
{
    QStringList paths;  // three pictures and a sound, then the other kinds and a name no show file holds
    for (const char* name : {"one.jpg", "two.gif", "three.bmp", "ring.wav", "four.PNG", "five.webp", "six.heic",
                             "seven.heif", "eight.avif", "nine.jxl", "tune.midi", "say \"cheese\".jpg"}) {
        paths << dataPath(QString::fromUtf8(name));
        writeData(QString::fromUtf8(name));
    }
    openOn(CustomShow{}, QStringLiteral("NEW EDIT"));
    const auto drop = [this](const QStringList& files, QWidget* target) {
        QList<QUrl> urls;
        for (const QString& file : files)
            urls << QUrl::fromLocalFile(file);
        test::dropUrls(grid(), urls, target->mapTo(grid(), target->rect().center()));
    };
    drop(paths.mid(0, 3), grid());
    ASSERT_EQ(customShow().slideCount, 3);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(customShow().picture[static_cast<std::size_t>(n)], paths[n - 1]);
        EXPECT_EQ(customShow().delay[static_cast<std::size_t>(n)], 15);
        EXPECT_EQ(customShow().audio[static_cast<std::size_t>(n)], QString());
    }
    EXPECT_EQ(configUiState().currentSlide, 1);
    EXPECT_TRUE(editor_->rowHighlighted(0));
    EXPECT_TRUE(editor_->button(22)->isEnabled());

    // Only a sound's extension makes a sound: a text file dropped with it is passed over.
    const QString notes = dataPath(QStringLiteral("notes.txt"));
    writeData(QStringLiteral("notes.txt"));
    drop({notes, paths[3]}, editor_->cell(7 + 5));
    EXPECT_EQ(customShow().audio[2], paths[3]);
    EXPECT_EQ(customShow().audio[1], QString());
    drop({paths[3]}, editor_->cell(5 * 7));  // below the last slide: nowhere to go
    EXPECT_EQ(customShow().slideCount, 3);

    // Every picture kind the browsers offer is taken, sounds by the browsers' patterns;
    // a name a show file cannot hold is refused with a message that names it; a folder,
    // a missing file and a text file add nothing.
    const QStringList more = paths.mid(4);
    messages.messages.clear();
    drop(QStringList(more) << notes << dataPath(QString()) << dataPath(QStringLiteral("missing.jpg")), grid());
    ASSERT_EQ(customShow().slideCount, 9);
    EXPECT_EQ(customShow().picture[9], more[5]);
    EXPECT_TRUE(messages.shownOnce(more[7] + "\n"));
}

TEST_F(EditorWindow, DataSheetBecomesAPdfWithoutAPrinter)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    openOn(numberedShow(123));
    messages.answers = {MessageAnswer::Yes};
    click(4);
    const QString pdf = dataPath(QStringLiteral("data sheet trip.pdf"));
    ASSERT_EQ(messages.messages.size(), 2U);
    EXPECT_TRUE(messages.messages[1].text.endsWith(pdf)) << messages.messages[1].text.toStdString();
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-fixed"), QStringLiteral("6"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("\n   123 /p/123.jpg        |slide 123         |123|Slide Up |223|/s/123.wav        |Yes\n")));

    // A sheet that cannot be written says so.
    QFile::remove(pdf);
    ASSERT_TRUE(QDir().mkdir(pdf));
    messages.answers = {MessageAnswer::Yes};
    click(4);
    EXPECT_TRUE(messages.messages.back().text.startsWith(QStringLiteral("Error 75: ")));
}

} // namespace
} // namespace qv
