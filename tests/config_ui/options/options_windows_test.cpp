#include "config_ui/options/dspeed.h"
#include "config_ui/options/frm_border.h"
#include "config_ui/options/frm_options.h"
#include "config_ui/options/password.h"

#include "components/picture/fx_image.h"
#include "config_ui/support/message_recorder.h"
#include "settings/password_scrambler.h"
#include "startup/program_windows.h"

#include <QSlider>

namespace qv {
namespace {

QSettings store() { return {QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue")}; }
QVariant storedValue(const char* key) { return store().value(QStringLiteral("data/") + QLatin1String(key)); }

using test::clickMark;
using test::control;
using test::ModalWatcher;

class OptionsWindowTest : public test::ConfigWindowTest {
protected:
    void SetUp() override
    {
        test::ConfigWindowTest::SetUp();
        clearStore();
    }
    static void clearStore() { store().clear(); }
};

// ---- Global options ------------------------------------------------------------

// Opening shows no box and selects the stored buttons; values only a hand-edited store
// holds leave their groups without a choice.
TEST_F(OptionsWindowTest, OpensQuietlyOnTheStoredButtons)
{
    const std::pair<std::function<void(GlobalSettings&)>, QStringList> cases[] = {
        {[](GlobalSettings&) {},
         {"Option11", "Option12", "Option15", "Option16", "Option2", "Option3", "Option6", "Option8"}},
        {[](GlobalSettings& s) {
             s.mgrainMode = 1;
             s.cmode = 4;
             s.cRandom = 1;
             s.presentationMode = 1;
             s.cDissolve = 2;
             s.scaleFlag = 0;
             s.cblend = 0;
             s.screens = 1;
         },
         {"Option1", "Option10", "Option13", "Option14", "Option17", "Option4", "Option7", "Option9"}},
        {[](GlobalSettings& s) {
             s.cmode = 7;
             s.cDissolve = 5;
             s.cblend = 3;
         },
         {"Option11", "Option13", "Option16", "Option2", "Option3", "Option8"}},
    };
    for (const auto& [set, expected] : cases) {
        GlobalSettings settings;
        settings.slideshowPath = globalSettings().slideshowPath;
        set(settings);
        globalSettings() = settings;
        frmoptions window;
        EXPECT_TRUE(messages.messages.empty()) << messages.titles().join(QLatin1Char(',')).toStdString();
        QStringList selected;
        for (const QRadioButton* option : window.findChildren<QRadioButton*>())
            if (option->isChecked())
                selected << option->objectName();
        selected.sort();
        EXPECT_EQ(selected, expected);
    }
}

// Each box appears on a real click; the buttons reach the other windows, and the window
// hides while the border designer is open.
TEST_F(OptionsWindowTest, EachBoxAppearsOnARealClickAndButtonsReachTheOtherWindows)
{
    frmoptions window;
    bool hiddenMeanwhile = false;
    windowOpeners().borderDesigner = [&](QWidget*) { hiddenMeanwhile = !window.isVisible(); };
    window.show();
    control<QPushButton>(&window, QStringLiteral("SSCommand2"))->click();
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(window.isVisible());
    control<QPushButton>(&window, QStringLiteral("SSCommand4"))->click();
    EXPECT_EQ(opened, QStringList{QStringLiteral("Password")});

    clickMark(control<QRadioButton>(&window, QStringLiteral("Option1")));
    EXPECT_EQ(globalSettings().mgrainMode, 1);

    clickMark(control<QRadioButton>(&window, QStringLiteral("Option14")));
    EXPECT_EQ(globalSettings().cmode, 4);
    clickMark(control<QRadioButton>(&window, QStringLiteral("Option15")));
    EXPECT_EQ(globalSettings().cmode, 9);
    clickMark(control<QRadioButton>(&window, QStringLiteral("Option15")));  // already chosen: no box
    clickMark(control<QRadioButton>(&window, QStringLiteral("Option9")));
    clickMark(control<QRadioButton>(&window, QStringLiteral("Option9")));
    clickMark(control<QRadioButton>(&window, QStringLiteral("Option8")));
    EXPECT_EQ(messages.titles(), (QStringList{"Super Fine Mode", "Cancel Effect Mode", "Cancel Effect Mode",
                                     "Randomize Custom Slide Show"}));
    EXPECT_EQ(globalSettings().cRandom.toInt(), 0);

    // A random show stored before opens without a box, and notices the next change to it.
    globalSettings().cRandom = 1;
    frmoptions again;
    again.show();
    clickMark(control<QRadioButton>(&again, QStringLiteral("Option9")));
    EXPECT_EQ(messages.titles().size(), 4);
    clickMark(control<QRadioButton>(&again, QStringLiteral("Option8")));
    clickMark(control<QRadioButton>(&again, QStringLiteral("Option9")));
    EXPECT_EQ(messages.titles().mid(4), QStringList{QStringLiteral("Randomize Custom Slide Show")});
}

TEST_F(OptionsWindowTest, BlockAsksForItsSpeedOnAPressButNotWhenArrowedTo)
{
    globalSettings().cDissolve = 0;
    globalSettings().dissolveSpeed = 500;  // beyond the bar: kept until the bar moves
    std::vector<int> barsSeen;
    ModalWatcher speed(QStringLiteral("dspeed"), [&barsSeen](QWidget* window) {
        auto* bar = window->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
        barsSeen.push_back(bar->value());
        bar->setValue(120);
        window->findChild<QPushButton*>(QStringLiteral("SSCommand1"))->click();
    });
    frmoptions window;
    window.show();
    QApplication::setActiveWindow(&window);
    auto* off = control<QRadioButton>(&window, QStringLiteral("Option5"));
    auto* block = control<QRadioButton>(&window, QStringLiteral("Option6"));
    off->setFocus();
    QTest::keyClick(off, Qt::Key_Down);
    EXPECT_TRUE(block->isChecked());
    EXPECT_EQ(globalSettings().cDissolve, 1);
    EXPECT_EQ(speed.openings, 0);

    EXPECT_EQ(globalSettings().dissolveSpeed, 500);
    QTest::keyClick(block, Qt::Key_Space);
    EXPECT_EQ(speed.openings, 1);
    EXPECT_EQ(globalSettings().dissolveSpeed, 120);

    clickMark(block);  // already selected: asks again
    EXPECT_EQ(speed.openings, 2);
    EXPECT_EQ(barsSeen, (std::vector<int>{200, 120}));
}

// A picture size below the slider's first step is raised to it on opening.
TEST_F(OptionsWindowTest, OkStoresEverythingAndTheCloseBoxOnlyKeepsMemory)
{
    globalSettings().screenPercent = 5;
    {
        frmoptions window;
        window.show();
        auto* slider = control<QSlider>(&window, QStringLiteral("Slider1"));
        EXPECT_EQ(slider->value(), 0);
        EXPECT_EQ(globalSettings().screenPercent.text(), QStringLiteral("10"));
        slider->setValue(6);
        clickMark(control<QCheckBox>(&window, QStringLiteral("Check1")));
        clickMark(control<QRadioButton>(&window, QStringLiteral("Option4")));
        window.close();
    }
    EXPECT_EQ(globalSettings().presentationMode.toInt(), 1);
    EXPECT_EQ(globalSettings().showBorder, 1);  // the check box is dropped
    EXPECT_FALSE(storedValue("presentation_mode").isValid());

    frmoptions window;
    window.show();
    clickMark(control<QCheckBox>(&window, QStringLiteral("Check1")));
    clickMark(control<QRadioButton>(&window, QStringLiteral("Option17")));
    control<QPushButton>(&window, QStringLiteral("SSCommand3"))->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(globalSettings().showBorder, 0);
    for (const auto& [key, value] : {std::pair{"show_border", "0"}, {"presentation_mode", "1"}, {"screens", "1"},
                                     {"screen_percent", "70"}})
        EXPECT_EQ(storedValue(key).toString(), QLatin1String(value)) << key;
    // Read back as stored.
    globalSettings().screens = 0;
    load_settings();
    EXPECT_EQ(globalSettings().screens, 1);
}

// ---- Border designer -------------------------------------------------------------

QScrollBar* bar(QWidget* window, int number) { return control<QScrollBar>(window, QStringLiteral("HScroll%1").arg(number)); }

// The sample follows the bars; Defaults then Cancel leaves the settings alone, Ok copies
// all ten bars (the options window stores them).
TEST_F(OptionsWindowTest, TheSampleFollowsTheBarsAndOnlyOkKeepsThem)
{
    GlobalSettings& s = globalSettings();
    s.innerBevelColor1 = 3;
    s.borderSize = 20;
    s.outerBevelStyle = 0;
    const BorderValues before = borderValuesOf(s);
    const BorderValues wanted = {9, 14, 2, 5, 4, 10, 0, 1, 12, 0};
    for (const bool ok : {false, true}) {
        FrmBorder window;
        window.show();
        for (int i = 0; i < kBorderBarCount; ++i)
            bar(&window, i + 1)->setValue(wanted[static_cast<std::size_t>(i)]);
        EXPECT_EQ(window.findChild<FXImage*>()->border(), borderStyleOf(wanted));
        EXPECT_EQ(control<QLabel>(&window, QStringLiteral("Value1"))->text(), QStringLiteral("9 Light Blue"));
        if (!ok) {
            control<QPushButton>(&window, QStringLiteral("SSCommand1_3"))->click();
            EXPECT_EQ(bar(&window, 1)->value(), 8);
            EXPECT_EQ(window.findChild<FXImage*>()->border(), borderStyleOf(kDefaultBorderValues));
        }
        control<QPushButton>(&window, QString::fromLatin1(ok ? "SSCommand1_0" : "SSCommand1_1"))->click();
        EXPECT_EQ(borderValuesOf(s), ok ? wanted : before);
    }
    EXPECT_FALSE(storedValue("InnerBevelColor1").isValid());
}

TEST_F(OptionsWindowTest, AStoredValueBeyondItsBarIsWrittenBackOnlyWhenThatBarMoves)
{
    GlobalSettings& s = globalSettings();
    s.innerBevelSize = 45;
    s.borderSize = -2;
    s.innerBevelColor1 = 20;
    {
        FrmBorder window;
        for (const auto& [number, value] : {std::pair{4, 30}, {10, 0}, {1, 15}})
            EXPECT_EQ(bar(&window, number)->value(), value) << number;
        control<QPushButton>(&window, QStringLiteral("SSCommand1_0"))->click();
    }
    EXPECT_EQ(QStringList({s.innerBevelSize.text(), s.borderSize.text()}), QStringList({"45", "-2"}));
    EXPECT_EQ(s.innerBevelColor1, 20);

    FrmBorder window;
    bar(&window, 4)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    control<QPushButton>(&window, QStringLiteral("SSCommand1_0"))->click();
    EXPECT_EQ(QStringList({s.innerBevelSize.text(), s.borderSize.text()}), QStringList({"29", "-2"}));
}

// Settings that cannot be written (a file made read-only, even for the superuser):
// Options' Ok and the password dialog's OK say so, naming the file, and stay open with
// everything still in memory.
TEST_F(OptionsWindowTest, ASettingsSaveThatFailsIsReportedAndTheWindowStays)
{
    ASSERT_EQ(save_settings(), 0);
    ASSERT_TRUE(QFile::setPermissions(settingsFilePath(), QFile::ReadOwner));
    const QString failure = QStringLiteral("The settings were not saved: Permission denied\n") + settingsFilePath();
    frmoptions window;
    window.show();
    control<QPushButton>(&window, QStringLiteral("SSCommand3"))->click();
    Password dialog;
    dialog.show();
    QTest::keyClicks(control<QLineEdit>(&dialog, "NewPassword"), QStringLiteral("new"));
    QTest::keyClicks(control<QLineEdit>(&dialog, "NewPassword2"), QStringLiteral("new"));
    control<QPushButton>(&dialog, "OK")->click();
    QFile::setPermissions(settingsFilePath(), QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(messages.messages.size(), 2U);
    for (const Message& message : messages.messages)
        EXPECT_EQ(message.text, failure);
    EXPECT_TRUE(window.isVisible() && dialog.isVisible());
    EXPECT_EQ(globalSettings().screenSaverPassword, QStringLiteral("NEW"));
}

// ---- Password --------------------------------------------------------------------

// Letters match whatever their case and are stored as capitals, with every setting, up
// to 25 characters; a refused entry is said why, the dialog stays and nothing is stored.
TEST_F(OptionsWindowTest, PasswordsAreStoredOrRefusedWithTheReason)
{
    const QString k25(25, QLatin1Char('k'));
    const QString k26(26, QLatin1Char('k'));
    const struct {
        QString first, second, refusal;
    } cases[] = {
        {QStringLiteral("abc"), QStringLiteral("ABC"), {}},
        {k25, k25, {}},
        {{}, {}, {}},
        {k26, k26, QStringLiteral("New password too long\nMaximum length  25 chars")},
        {QStringLiteral("abc"), QStringLiteral("abd"),
         QStringLiteral("The new and confirmed passwords do not match. Please type them again.")},
    };
    for (const auto& c : cases) {
        messages.messages.clear();
        clearStore();
        Password dialog;
        dialog.show();
        QTest::keyClicks(control<QLineEdit>(&dialog, "NewPassword"), c.first);
        QTest::keyClicks(control<QLineEdit>(&dialog, "NewPassword2"), c.second);
        control<QPushButton>(&dialog, "OK")->click();
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(messages.messages.empty());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(globalSettings().screenSaverPassword, c.second.toUpper());
            EXPECT_EQ(storedValue("PasswordName").toString(),
                      QString::fromLatin1(encode_password(c.second.toUpper().toLatin1())));
            EXPECT_EQ(storedValue("cmode").toString(), QStringLiteral("9"));
        } else {
            EXPECT_TRUE(messages.shownOnce(c.refusal));
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(control<QLineEdit>(&dialog, QStringLiteral("NewPassword"))->text(), c.first.toUpper());
            EXPECT_FALSE(storedValue("PasswordName").isValid());
        }
    }
}

TEST_F(OptionsWindowTest, TheHostsDialogKeepsTheProgramAliveUntilItCloses)
{
    Password::openForHost(0);
    ASSERT_TRUE(anyProgramWindowOpen());
    QWidget* dialog = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("Password") && top->isVisible())
            dialog = top;
    ASSERT_NE(dialog, nullptr);
    control<QPushButton>(dialog, QStringLiteral("Cancel"))->click();
    EXPECT_FALSE(anyProgramWindowOpen());
    disposeRetiredWindows();
}

} // namespace
} // namespace qv
