#pragma once

#include "config_ui/title/title_rules.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qv {

class FXImage;

// The title screen, the main window of configuration mode: the kind of show, the
// active custom show, and the ways to the editor, the random setup, the options,
// help, the about box and a test run.
class FrmTitle : public QWidget {
    Q_OBJECT
public:
    explicit FrmTitle(QWidget* parent = nullptr);

    // Opens the title screen non-modally; it counts as a program window until it
    // closes, so start-up waits for it.
    static FrmTitle* open();

    // Sets the kind of show and the show buttons from the settings.
    void update_buttons();

    // The help buttons are a control array with the indices 0, 1, 2 and 5.
    QPushButton* helpButton(int index) const;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void Option1_Click();
    void Option2_Click();
    void Combo1_Click(int index);
    void SSCommand1_Click();
    void SSCommand2_Click();
    void SSCommand3_Click();
    void SSCommand4_Click();
    void Help_Click(int index);
    void FXImage1_Notify();

private:
    void buildControls();
    QWidget* buildPanel();
    void fitToScreen();
    void Form_Load();
    void Form_Activate();
    void ListShowFiles();
    void showButtons(const TitleButtons& buttons);
    void waitForEditor();
    // Waits for the editor or the random setup to close, then shows this window again
    // with its list read anew when the editor may have saved or deleted shows.
    void comeBackFromEditor(bool showsMayHaveChanged);

    FXImage* FXImage1 = nullptr;
    QLabel* FXLabel6 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* FXLabel4 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* SSCommand2 = nullptr;  // Edit New Slide Show
    QPushButton* SSCommand4 = nullptr;  // Edit Slide Show
    QPushButton* SSCommand3 = nullptr;  // View Slide Show
    QPushButton* SSCommand1 = nullptr;  // Delete Slide Show
    std::array<QPushButton*, 6> Help{};  // 0 Help, 1 Options, 2 About, 5 Exit
    QLabel* sitetext = nullptr;
    QLabel* statusLine = nullptr;

    bool activationQueued_ = false;
    bool activating_ = false;
    bool busy_ = false;  // a button's work is under way (events run inside it)
    bool closing_ = false;
};

} // namespace qv
