// The real title screen, offscreen: its buttons against the settings, the delete
// question, the windows it opens and the test run, and its first activation.
#include "config_ui/title/frm_title.h"
#include "config_ui/title/loading.h"

#include "startup/program_windows.h"
#include "config_ui/support/message_recorder.h"

#include <QComboBox>

namespace qv {
namespace {

class TitleWindow : public test::ConfigWindowTest {
protected:
    void TearDown() override
    {
        if (form_ != nullptr)
            form_->close();
        disposeRetiredWindows();
        test::ConfigWindowTest::TearDown();
    }

    void open() { form_ = FrmTitle::open(); }
    template <typename T = QWidget>
    T* control(const char* name) const { return test::control<T>(form_, QLatin1String(name)); }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    QString buttons() const
    {
        QString states = control<QRadioButton>("Option1")->isChecked() ? QStringLiteral("R:") : QStringLiteral("C:");
        for (const char* name : {"SSCommand2", "SSCommand4", "SSCommand3", "SSCommand1"})
            states += control(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return states;
    }
    QStringList listed() const { return test::rowTexts(control<QComboBox>("Combo1")->model()); }

    FrmTitle* form_ = nullptr;
};

TEST_F(TitleWindow, PickingAShowChoosesCustomAndTheKindsSetTheButtons)
{
    writeData(QStringLiteral("b.css"));
    writeData(QStringLiteral("A.CSS"));
    open();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("A.CSS"), QStringLiteral("b.css")}));
    test::clickMark(control("Option2"));
    EXPECT_EQ(buttons(), QStringLiteral("C:1000"));
    auto* list = control<QComboBox>("Combo1");
    list->setCurrentIndex(1);
    emit list->activated(1);
    EXPECT_EQ(globalSettings().activeCss, QStringLiteral("b.css"));
    EXPECT_EQ(buttons(), QStringLiteral("C:1111"));
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
    QTest::keyClick(form_, Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return buttons() == QStringLiteral("R:0110"); }));
    EXPECT_EQ(globalSettings().randomFlag, 1);
}

TEST_F(TitleWindow, DeletingAsksFirstAndAlwaysRefreshes)
{
    writeData(QStringLiteral("Trip.css"));
    globalSettings().randomFlag = 0;
    globalSettings().activeCss = QStringLiteral("Trip.css");
    configUiState().savedShowName = QStringLiteral("Trip.css");
    open();
    writeData(QStringLiteral("Later.css"));  // appears in the list only after a refresh

    messages.answers = {MessageAnswer::No};
    click("SSCommand1");
    ASSERT_TRUE(messages.shownOnce(QStringLiteral("Are you sure?")));
    EXPECT_EQ(messages.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.messages[0].defaultAnswer, MessageAnswer::No);
    EXPECT_TRUE(QFile::exists(dataPath(QStringLiteral("Trip.css"))));
    EXPECT_EQ(listed().size(), 2);
    EXPECT_EQ(buttons(), QStringLiteral("C:1111"));

    messages.answers = {MessageAnswer::Yes};
    click("SSCommand1");
    EXPECT_FALSE(QFile::exists(dataPath(QStringLiteral("Trip.css"))));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Later.css")});
    EXPECT_EQ(globalSettings().activeCss, QStringLiteral("EMPTY"));
    EXPECT_EQ(configUiState().savedShowName, QStringLiteral("EMPTY"));
    EXPECT_EQ(buttons(), QStringLiteral("R:0110"));
    EXPECT_EQ(globalSettings().randomFlag, 1);
}

// Edit opens the setup of the chosen kind, Edit New the editor on a new show (the title
// screen hidden meanwhile, the show it saved listed after), View a test show without
// password, Options and About their windows; Exit saves, the close box leaves without saving.
TEST_F(TitleWindow, ButtonsOpenTheirWindowsAndOnlyExitSaves)
{
    globalSettings().activeCss = QStringLiteral("Trip.css");
    open();
    click("SSCommand4");
    test::clickMark(control("Option2"));
    click("SSCommand4");
    click("Help_1");
    EXPECT_EQ(opened, (QStringList{QStringLiteral("r_andom"), QStringLiteral("create_sequence"), QStringLiteral("frmoptions")}));
    EXPECT_EQ(configUiState().savedShowName, QStringLiteral("Trip.css"));

    QString activeWhileEditing;
    bool hiddenWhileEditing = false;
    windowOpeners().customShowEditor = [&] {
        activeWhileEditing = globalSettings().activeCss;
        QTimer::singleShot(0, [&] {
            hiddenWhileEditing = !form_->isVisible();
            writeData(QStringLiteral("Fresh.css"));
            globalSettings().activeCss = QStringLiteral("Fresh.css");
            configUiState().editorOpen = false;
        });
    };
    click("SSCommand2");
    EXPECT_EQ(activeWhileEditing, QStringLiteral("NEW EDIT"));
    EXPECT_EQ(configUiState().savedShowName, QStringLiteral("Trip.css"));
    EXPECT_TRUE(hiddenWhileEditing);
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(control<QComboBox>("Combo1")->currentText(), QStringLiteral("Fresh.css"));
    EXPECT_EQ(buttons(), QStringLiteral("C:1111"));

    int previewRunDuringShow = 0;
    setTestShowRunner([&] {
        previewRunDuringShow = globalSettings().previewRun;
        showRunning() = false;
    });
    click("SSCommand3");
    EXPECT_EQ(previewRunDuringShow, 1);
    EXPECT_EQ(globalSettings().previewRun, 0);

    QString aboutTitle;
    {
        test::ModalWatcher closer({}, [&aboutTitle](QWidget* box) {
            aboutTitle = box->windowTitle();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        click("Help_2");
    }
    EXPECT_EQ(aboutTitle, QStringLiteral("About Quintavue"));
    EXPECT_TRUE(form_->helpButton(2)->isEnabled());

    for (const bool exit : {true, false}) {
        if (!exit)
            open();
        globalSettings().cmode = 9;
        save_settings();
        globalSettings().cmode = 4;
        if (exit)
            click("Help_5");
        else
            form_->close();
        form_ = nullptr;
        EXPECT_FALSE(anyProgramWindowOpen());
        load_settings();
        EXPECT_EQ(globalSettings().cmode, exit ? 4 : 9);
    }
}

TEST_F(TitleWindow, ActivationRemovesTheSplashAndBringsInThePictureThenTheSiteLine)
{
    ASSERT_TRUE(test::writeFile(dataPath(QStringLiteral("data.sld")), "\"Harbour Gallery\"\r\n"));
    loading::open();
    ASSERT_NE(loading::current(), nullptr);
    open();
    auto* line = control<QLabel>("sitetext");
    EXPECT_FALSE(line->isVisible());
    form_->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return line->isVisible(); }, 10000));
    EXPECT_EQ(loading::current(), nullptr);
    EXPECT_TRUE(control("FXImage1")->isVisible());
    EXPECT_EQ(line->text(), QStringLiteral("Harbour Gallery"));
}

} // namespace
} // namespace qv
