#include "config_ui/options/dspeed.h"
#include "config_ui/options/frm_border.h"
#include "config_ui/options/frm_options.h"
#include "config_ui/options/password.h"

#include "components/picture/fx_image.h"
#include "config_ui/support/message_recorder.h"
#include "settings/password_scrambler.h"
#include "startup/program_windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace qv {
namespace {

QVariant storedValue(const char* key)
{
    const QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"),
                          QStringLiteral("Quintavue"));
    return store.value(QStringLiteral("data/") + QLatin1String(key));
}

template <class T>
T* control(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// A click near the left edge, where a radio button's or check box's indicator is.
void clickIndicator(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Runs `act` on the modal window named `name` as soon as it opens; counts openings.
class ModalWatcher {
public:
    ModalWatcher(QString name, std::function<void(QWidget*)> act) : name_(std::move(name)), act_(std::move(act))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal->objectName() == name_ && modal != last_) {
                last_ = modal;
                ++openings;
                act_(modal);
            }
        });
        timer_.start(5);
    }
    int openings = 0;

private:
    QString name_;
    std::function<void(QWidget*)> act_;
    QTimer timer_;
    QWidget* last_ = nullptr;
};

class OptionsWindowTest : public test::ConfigWindowTest {
protected:
    void SetUp() override
    {
        test::ConfigWindowTest::SetUp();
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quintavue"), QStringLiteral("Quintavue"))
            .clear();
    }
    QStringList titles() const
    {
        QStringList list;
        for (const Message& m : messages.messages)
            list << m.title;
        return list;
    }
};

// ---- Global options ------------------------------------------------------------

struct StoredOptions {
    std::function<void(GlobalSettings&)> set;
    QStringList selected;
};

class OptionsLoad : public OptionsWindowTest, public ::testing::WithParamInterface<StoredOptions> {};

TEST_P(OptionsLoad, ShowsNoBoxAndSelectsTheStoredButtons)
{
    GetParam().set(globalSettings());
    frmoptions window;
    EXPECT_TRUE(messages.messages.empty()) << titles().join(QLatin1Char(',')).toStdString();
    QStringList selected;
    for (const QRadioButton* option : window.findChildren<QRadioButton*>())
        if (option->isChecked())
            selected << option->objectName();
    selected.sort();
    EXPECT_EQ(selected, GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, OptionsLoad,
    ::testing::Values(
        StoredOptions{[](GlobalSettings&) {},
                      {"Option11", "Option12", "Option15", "Option2", "Option3", "Option6", "Option8"}},
        StoredOptions{[](GlobalSettings& s) {
                          s.mgrainMode = 1;
                          s.cmode = 4;
                          s.cRandom = 1;
                          s.presentationMode = 1;
                          s.cDissolve = 2;
                          s.scaleFlag = 0;
                          s.cblend = 0;
                      },
                      {"Option1", "Option10", "Option13", "Option14", "Option4", "Option7", "Option9"}},
        // Values only a hand-edited store holds leave their groups without a choice.
        StoredOptions{[](GlobalSettings& s) {
                          s.cmode = 7;
                          s.cDissolve = 5;
                          s.cblend = 3;
                      },
                      {"Option11", "Option13", "Option2", "Option3", "Option8"}}));

TEST_F(OptionsWindowTest, EachBoxAppearsOnARealClick)
{
    frmoptions window;
    window.show();
    clickIndicator(control<QRadioButton>(&window, QStringLiteral("Option1")));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Super Fine Mode"));
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("Warning! While Super Fine mode")));
    EXPECT_EQ(globalSettings().mgrainMode, 1);

    clickIndicator(control<QRadioButton>(&window, QStringLiteral("Option14")));
    EXPECT_EQ(globalSettings().cmode, 4);
    clickIndicator(control<QRadioButton>(&window, QStringLiteral("Option15")));
    EXPECT_EQ(globalSettings().cmode, 9);
    clickIndicator(control<QRadioButton>(&window, QStringLiteral("Option9")));
    clickIndicator(control<QRadioButton>(&window, QStringLiteral("Option9")));
    clickIndicator(control<QRadioButton>(&window, QStringLiteral("Option8")));
    EXPECT_EQ(titles(), (QStringList{"Super Fine Mode", "Cancel Effect Mode", "Cancel Effect Mode",
                                     "Randomize Custom Slide Show", "Randomize Custom Slide Show"}));
    EXPECT_TRUE(messages.messages[1].text.contains(QStringLiteral("inadvertent mouse move")));
    EXPECT_EQ(messages.messages[3].text,
              QStringLiteral("Slides will be shown in a RANDOM order during the CUSTOM slide show."));
    EXPECT_EQ(globalSettings().cRandom.toInt(), 0);
}

TEST_F(OptionsWindowTest, ARandomShowOpensQuietlyAndNoticesTheNextClick)
{
    globalSettings().cRandom = 1;
    frmoptions window;
    window.show();
    EXPECT_TRUE(messages.messages.empty());
    clickIndicator(control<QRadioButton>(&window, QStringLiteral("Option9")));
    EXPECT_EQ(titles(), QStringList{QStringLiteral("Randomize Custom Slide Show")});
}

TEST_F(OptionsWindowTest, PictureSizeBelowTheFirstStepIsRaisedToIt)
{
    globalSettings().screenPercent = 5;
    frmoptions window;
    auto* slider = control<QSlider>(&window, QStringLiteral("Slider1"));
    auto* label = control<QLabel>(&window, QStringLiteral("Label1"));
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(globalSettings().screenPercent.text(), QStringLiteral("10"));
    EXPECT_EQ(label->text(), QStringLiteral("%10"));
    slider->setValue(6);
    EXPECT_EQ(globalSettings().screenPercent.text(), QStringLiteral("70"));
    EXPECT_EQ(label->text(), QStringLiteral("%70"));
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

    clickIndicator(block);  // already selected: asks again
    EXPECT_EQ(speed.openings, 2);
    EXPECT_EQ(barsSeen, (std::vector<int>{200, 120}));
    EXPECT_TRUE(block->isEnabled());
}

TEST_F(OptionsWindowTest, OkStoresEverythingAndTheCloseBoxOnlyKeepsMemory)
{
    {
        frmoptions window;
        window.show();
        clickIndicator(control<QCheckBox>(&window, QStringLiteral("Check1")));
        clickIndicator(control<QRadioButton>(&window, QStringLiteral("Option4")));
        window.close();
    }
    EXPECT_EQ(globalSettings().presentationMode.toInt(), 1);
    EXPECT_EQ(globalSettings().showBorder, 1);  // the check box is dropped
    EXPECT_FALSE(storedValue("presentation_mode").isValid());

    frmoptions window;
    window.show();
    clickIndicator(control<QCheckBox>(&window, QStringLiteral("Check1")));
    control<QPushButton>(&window, QStringLiteral("SSCommand3"))->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(globalSettings().showBorder, 0);
    EXPECT_EQ(storedValue("show_border").toString(), QStringLiteral("0"));
    EXPECT_EQ(storedValue("presentation_mode").toString(), QStringLiteral("1"));
}

TEST_F(OptionsWindowTest, ButtonsReachTheOtherWindowsAndHideForTheBorder)
{
    frmoptions window;
    bool hiddenMeanwhile = false;
    windowOpeners().borderDesigner = [&](QWidget*) { hiddenMeanwhile = !window.isVisible(); };
    window.show();
    control<QPushButton>(&window, QStringLiteral("SSCommand2"))->click();
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(window.isVisible());
    control<QPushButton>(&window, QStringLiteral("SSCommand4"))->click();
    control<QPushButton>(&window, QStringLiteral("SSCommand1"))->click();
    EXPECT_EQ(opened, QStringList{QStringLiteral("Password")});
    EXPECT_EQ(helpKeywords, QStringList{QStringLiteral("Global Options")});
}

// ---- Border designer -------------------------------------------------------------

QScrollBar* bar(QWidget* window, int number)
{
    return control<QScrollBar>(window, QStringLiteral("HScroll%1").arg(number));
}

TEST_F(OptionsWindowTest, DefaultsThenCancelLeaveTheSettingsAlone)
{
    GlobalSettings& s = globalSettings();
    s.innerBevelColor1 = 3;
    s.borderSize = 20;
    s.outerBevelStyle = 0;
    const BorderValues before = borderValuesOf(s);
    FrmBorder window;
    window.show();
    control<QPushButton>(&window, QStringLiteral("SSCommand1_3"))->click();
    EXPECT_EQ(bar(&window, 1)->value(), 8);
    EXPECT_EQ(window.findChild<FXImage*>()->border(), borderStyleOf(kDefaultBorderValues));
    control<QPushButton>(&window, QStringLiteral("SSCommand1_1"))->click();
    EXPECT_EQ(borderValuesOf(s), before);
}

TEST_F(OptionsWindowTest, OkCopiesAllTenBarsAndTheSampleFollowsThem)
{
    FrmBorder window;
    window.show();
    const BorderValues wanted = {9, 14, 2, 5, 4, 10, 0, 1, 12, 0};
    for (int i = 0; i < kBorderBarCount; ++i)
        bar(&window, i + 1)->setValue(wanted[static_cast<std::size_t>(i)]);
    EXPECT_EQ(window.findChild<FXImage*>()->border(), borderStyleOf(wanted));
    EXPECT_EQ(control<QLabel>(&window, QStringLiteral("Value1"))->text(), QStringLiteral("9 Light Blue"));
    control<QPushButton>(&window, QStringLiteral("SSCommand1_0"))->click();
    EXPECT_EQ(borderValuesOf(globalSettings()), wanted);
    EXPECT_FALSE(storedValue("InnerBevelColor1").isValid());  // the options window stores
}

TEST_F(OptionsWindowTest, AStoredValueBeyondItsBarIsWrittenBackOnlyWhenThatBarMoves)
{
    GlobalSettings& s = globalSettings();
    s.innerBevelSize = 45;
    s.borderSize = -2;
    s.innerBevelColor1 = 20;
    {
        FrmBorder window;
        EXPECT_EQ(bar(&window, 4)->value(), 30);
        EXPECT_EQ(bar(&window, 10)->value(), 0);
        EXPECT_EQ(bar(&window, 1)->value(), 15);
        control<QPushButton>(&window, QStringLiteral("SSCommand1_0"))->click();
    }
    EXPECT_EQ(s.innerBevelSize.text(), QStringLiteral("45"));
    EXPECT_EQ(s.borderSize.text(), QStringLiteral("-2"));
    EXPECT_EQ(s.innerBevelColor1, 20);

    FrmBorder window;
    bar(&window, 4)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    control<QPushButton>(&window, QStringLiteral("SSCommand1_0"))->click();
    EXPECT_EQ(s.innerBevelSize.text(), QStringLiteral("29"));
    EXPECT_EQ(s.borderSize.text(), QStringLiteral("-2"));
}

// ---- Password --------------------------------------------------------------------

void typePasswords(Password& dialog, const QString& first, const QString& second)
{
    QTest::keyClicks(control<QLineEdit>(&dialog, QStringLiteral("NewPassword")), first);
    QTest::keyClicks(control<QLineEdit>(&dialog, QStringLiteral("NewPassword2")), second);
    control<QPushButton>(&dialog, QStringLiteral("OK"))->click();
}

TEST_F(OptionsWindowTest, LettersMatchWhateverTheirCaseAndAreStoredAsCapitals)
{
    Password dialog;
    dialog.show();
    typePasswords(dialog, QStringLiteral("abc"), QStringLiteral("ABC"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(globalSettings().screenSaverPassword, QStringLiteral("ABC"));
    EXPECT_EQ(storedValue("PasswordName").toString(), QString::fromLatin1(encode_password("ABC")));
    EXPECT_EQ(storedValue("cmode").toString(), QStringLiteral("9"));  // every setting was stored
}

class PasswordLength : public OptionsWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(PasswordLength, TwentyFiveCharactersAtMost)
{
    const QString password(GetParam(), QLatin1Char('k'));
    Password dialog;
    dialog.show();
    typePasswords(dialog, password, password);
    if (GetParam() <= 25) {
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(globalSettings().screenSaverPassword, password.toUpper());
        return;
    }
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("New password too long\nMaximum length  25 chars"));
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Change Password"));
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(storedValue("PasswordName").isValid());
}

INSTANTIATE_TEST_SUITE_P(Lengths, PasswordLength, ::testing::Values(0, 25, 26));

TEST_F(OptionsWindowTest, AMismatchKeepsTheDialogOpenWithTheNormalisedTexts)
{
    Password dialog;
    dialog.show();
    typePasswords(dialog, QStringLiteral("abc"), QStringLiteral("abd"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Quintavue"));
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("The new and confirmed passwords do not match. Please type them again."));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(control<QLineEdit>(&dialog, QStringLiteral("NewPassword"))->text(), QStringLiteral("ABC"));
    EXPECT_FALSE(storedValue("PasswordName").isValid());
}

TEST_F(OptionsWindowTest, TheHostsDialogKeepsTheProgramAliveUntilItCloses)
{
    Password::openForHost(0);
    ASSERT_TRUE(anyProgramWindowOpen());
    QWidget* dialog = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : nullptr;
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
