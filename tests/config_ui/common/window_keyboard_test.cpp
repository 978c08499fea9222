// Every configuration window from the keyboard, offscreen: Alt letters on every
// control, unique in the window; a screen reader's name on every control Tab reaches,
// unique within its group; F1 and the Help button (pressed by Return) at the
// window's own section of the manual; delay entries alike; where the focus starts.
#include "config_ui/arranging/add_files.h"
#include "config_ui/arranging/cload.h"
#include "config_ui/arranging/csave.h"
#include "config_ui/arranging/cus_add2.h"
#include "config_ui/arranging/frmremove.h"
#include "config_ui/arranging/insert.h"
#include "config_ui/arranging/swap.h"
#include "config_ui/common/window_conventions.h"
#include "config_ui/editor/create_sequence.h"
#include "config_ui/effects/frm_effects.h"
#include "config_ui/options/dspeed.h"
#include "config_ui/options/frm_border.h"
#include "config_ui/options/frm_options.h"
#include "config_ui/options/password.h"
#include "config_ui/random_setup/r_andom.h"
#include "config_ui/slide_dialogs/cpic.h"
#include "config_ui/slide_dialogs/delays.h"
#include "config_ui/slide_dialogs/desc.h"
#include "config_ui/slide_dialogs/desc_2.h"
#include "config_ui/slide_dialogs/effects.h"
#include "config_ui/slide_dialogs/wav.h"
#include "config_ui/support/message_recorder.h"
#include "config_ui/title/frm_about.h"
#include "config_ui/title/frm_title.h"
#include "startup/program_windows.h"
#include "startup/startup_state.h"

#include <QGroupBox>
#include <QSet>

#include <map>
#include <memory>

namespace qv {
namespace {

// The Alt letter of a caption ("Save && E&xit" is X), or 0.
QChar altLetter(const QString& caption)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? QChar() : QChar(mnemonic[0].key()).toUpper();
}

QChar altLetter(const QAbstractButton* button)
{
    const QKeySequence shortcut = button->shortcut();
    if (shortcut.isEmpty() || shortcut[0].keyboardModifiers() != Qt::AltModifier)
        return {};
    return QChar(shortcut[0].key()).toUpper();
}

// Each control of `window` a user reaches, with its Alt letter: buttons and check
// boxes by their own, option buttons by their group's title where they have one,
// entries and lists by their label.
std::vector<std::pair<QString, QChar>> altLetters(const QWidget* window)
{
    std::vector<std::pair<QString, QChar>> letters;
    const auto shown = [window](const QWidget* w) { return w->isVisibleTo(window) && w->window() == window; };
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!shown(button) || button->focusPolicy() == Qt::NoFocus)
            continue;
        // The effect chooser's 113 boxes are one control: Tab reaches it, the arrow keys
        // move within it.
        if (button->parentWidget()->objectName() == QLatin1String("EffectGrid"))
            continue;
        const auto* group = qobject_cast<const QGroupBox*>(button->parentWidget());
        if (qobject_cast<const QRadioButton*>(button) != nullptr && group != nullptr && !group->title().isEmpty()
            && altLetter(button).isNull())
            continue;  // reached through the group's title
        letters.emplace_back(button->text().isEmpty() ? button->objectName() : button->text(), altLetter(button));
    }
    // A group's title leads to its option buttons, or to the one control it labels; a
    // group of push buttons is only a heading.
    for (const QGroupBox* group : window->findChildren<QGroupBox*>()) {
        const bool options = !group->findChildren<QRadioButton*>().isEmpty();
        if (shown(group) && !group->title().isEmpty() && (options || group->findChildren<QAbstractButton*>().isEmpty()))
            letters.emplace_back(group->title(), altLetter(group->title()));
    }
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (shown(label) && label->buddy() != nullptr)
            letters.emplace_back(label->text(), altLetter(label->text()));
    return letters;
}

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    const char* anchor;      // the manual's section for the window
    const char* helpButton;  // the window's Help button, if it has one
    const char* delayEntry;  // its delay entry, if it has one
};

template <typename Window>
std::function<std::unique_ptr<QWidget>()> made()
{
    return [] { return std::make_unique<Window>(); };
}

class WindowKeyboard : public test::ConfigWindowTest {
protected:
    void SetUp() override
    {
        test::ConfigWindowTest::SetUp();
        installWindowConventions();
        startupState().pictureBrowseDir = QDir::tempPath() + QLatin1Char('/');
        startupState().soundBrowseDir = startupState().pictureBrowseDir;
        startupState().randomPictureBrowseDir = startupState().pictureBrowseDir;
        startupState().randomAudioBrowseDir = startupState().pictureBrowseDir;
        customShow() = test::numberedShow(3);
        configUiState().currentSlide = 2;
        configUiState().newSlideFirst = 2;
        configUiState().newSlideLast = 3;
        globalSettings().activeCss = QStringLiteral("EMPTY");
    }

    void TearDown() override
    {
        disposeRetiredWindows();
        test::ConfigWindowTest::TearDown();
    }
};

TEST_F(WindowKeyboard, EveryWindowHasUniqueAltLettersHelpAtItsOwnSectionAndDelayEntriesAlike)
{
    const WindowCase windows[] = {
        {"FrmTitle", [] { return std::unique_ptr<QWidget>(FrmTitle::open()); }, "contents", "Help_0", nullptr},
        {"FrmAbout", made<FrmAbout>(), "contents", nullptr, nullptr},
        {"frmoptions", made<frmoptions>(), "global-options", "SSCommand1", nullptr},
        {"dspeed", made<dspeed>(), "global-options", nullptr, nullptr},
        {"FrmBorder", made<FrmBorder>(), "border", "SSCommand1_2", nullptr},
        {"Password", made<Password>(), "password", nullptr, nullptr},
        {"frmEffects", made<frmEffects>(), "effects", nullptr, nullptr},
        {"r_andom", [] { return std::unique_ptr<QWidget>(r_andom::open()); }, "random", "SSCommand1", "Text1"},
        {"create_sequence",
         [] {
             auto editor = std::make_unique<create_sequence>();
             editor->Form_Load();
             return std::unique_ptr<QWidget>(std::move(editor));
         },
         "custom", "SSCommand1_5", nullptr},
        {"desc", made<desc>(), "slide-dialogs", nullptr, nullptr},
        {"desc_2", made<desc_2>(), "slide-dialogs", nullptr, nullptr},
        {"delays", made<delays>(), "delay", "SSCommand1_1", "Text1"},
        {"effects", made<effects>(), "slide-dialogs", nullptr, nullptr},
        {"wav", made<wav>(), "audio", "SSCommand1_4", nullptr},
        {"cpic", made<cpic>(), "slide-dialogs", nullptr, nullptr},
        {"insert", made<insert>(), "adding", nullptr, nullptr},
        {"cus_add2", made<cus_add2>(), "adding", "SSCommand1_3", nullptr},
        {"Add_files", made<Add_files>(), "adding", "SSCommand1_4", "Text1"},
        {"Swap", made<Swap>(), "adding", nullptr, nullptr},
        {"cload", made<cload>(), "adding", nullptr, nullptr},
        {"csave", made<csave>(), "adding", nullptr, nullptr},
        {"frmremove", made<frmremove>(), "adding", nullptr, nullptr},
    };
    for (const WindowCase& entry : windows) {
        SCOPED_TRACE(entry.name);
        std::unique_ptr<QWidget> window = entry.make();
        test::showActive(window.get());
        if (QLatin1String(entry.name) == QLatin1String("Add_files")) {
            EXPECT_EQ(QApplication::focusWidget(), window->findChild<QWidget*>(QStringLiteral("Dir1")));
        }

        std::map<QChar, QString> taken;
        for (const auto& [control, letter] : altLetters(window.get())) {
            if (letter.isNull()) {
                ADD_FAILURE() << entry.name << ": no Alt letter: " << control.toStdString();
                continue;
            }
            const auto [place, fresh] = taken.emplace(letter, control);
            EXPECT_TRUE(fresh) << entry.name << ": Alt+" << QString(letter).toStdString() << ": " << control.toStdString()
                               << " and " << place->second.toStdString();
        }

        QStringList names;
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->window() == window.get()) {  // not in pop-ups
                EXPECT_FALSE(w->accessibleName().isEmpty()) << entry.name << ": " << w->objectName().toStdString();
                // A screen reader names an option button's group with it ("Off" in two groups).
                const auto* group = qobject_cast<const QGroupBox*>(w->parentWidget());
                names << (group != nullptr ? group->title() + u':' : QString()) + w->accessibleName();
            }
        }
        EXPECT_EQ(names.size(), QSet<QString>(names.begin(), names.end()).size()) << names.join(", ").toStdString();

        // Return presses the focused button, in every window.
        helpKeywords.clear();
        if (entry.helpButton != nullptr) {
            auto* help = test::control<QPushButton>(window.get(), entry.helpButton);
            help->setFocus();
            QTest::keyClick(help, Qt::Key_Return);
        }
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window.get(), Qt::Key_F1);
        QStringList anchors;
        for (const QString& keyword : helpKeywords)
            anchors << helpAnchor(keyword);
        EXPECT_EQ(anchors.join(u' ').toStdString(),
                  QStringList(entry.helpButton != nullptr ? 2 : 1, QLatin1String(entry.anchor)).join(u' ').toStdString());

        if (entry.delayEntry != nullptr) {
            auto* delay = test::control<QLineEdit>(window.get(), entry.delayEntry);
            delay->clear();
            QTest::keyClicks(delay, QStringLiteral("12a34"));  // only digits, up to the limit
            EXPECT_EQ(delay->text(), QStringLiteral("999"));
            delay->selectAll();
            QTest::keyClick(delay, Qt::Key_Backspace);
            EXPECT_EQ(delay->text(), QStringLiteral("0"));
        }
        window->hide();
    }
}

} // namespace
} // namespace qv
