#pragma once

#include <QDialog>
#include <QRadioButton>

#include <map>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace qv {

// The "Block" dissolve button: besides being selected it reports a completed press
// with the mouse (released over it) or with Space, which is how the user asks for the
// dissolve speed window. Selecting it with the arrow keys does not ask.
class DissolveBlockButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;
signals:
    void pressCompleted();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

// "Global Options": the show-wide options. Every option button changes its setting
// in memory at once; "Ok" stores all settings. Closed otherwise, the changes stay in
// memory for the rest of the run, unsaved, and the border check box is forgotten.
class frmoptions : public QDialog {
    Q_OBJECT
public:
    explicit frmoptions(QWidget* parent = nullptr);

    // Opens the window and returns when it has closed.
    static void openModal(QWidget* parent);

private:
    using Click = void (frmoptions::*)();

    void buildControls();
    // An option button in `box` whose clicks, and its selection at load, run `click`.
    QRadioButton* addOption(QWidget* box, const char* name, const QString& caption, const QString& status, Click click);
    void wire(QRadioButton* option, Click click);
    void Form_Load();

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option6_MouseUp();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    void Option11_Click();
    void Option12_Click();
    void Option13_Click();
    void Option14_Click();
    void Option15_Click();
    void Option16_Click();
    void Option17_Click();
    void cancelModeChanged(int mode);
    void Slider1_Change();
    void SSCommand1_Click();
    void SSCommand2_Click();
    void SSCommand3_Click();
    void SSCommand4_Click();

    // Selecting a button during load runs its click handling, as a user's click does.
    void select(QRadioButton* option);

    std::map<const QRadioButton*, Click> clicks_;
    bool Loading = false;
    bool RandomNoticeOff = false;

    QSlider* Slider1 = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option5 = nullptr;
    DissolveBlockButton* Option6 = nullptr;
    QRadioButton* Option7 = nullptr;
    QRadioButton* Option8 = nullptr;
    QRadioButton* Option9 = nullptr;
    QRadioButton* Option10 = nullptr;
    QRadioButton* Option11 = nullptr;
    QRadioButton* Option12 = nullptr;
    QRadioButton* Option13 = nullptr;
    QRadioButton* Option14 = nullptr;
    QRadioButton* Option15 = nullptr;
    QRadioButton* Option16 = nullptr;  // every screen
    QRadioButton* Option17 = nullptr;  // the main screen only
    QCheckBox* Check1 = nullptr;
    QPushButton* SSCommand1 = nullptr;
    QPushButton* SSCommand2 = nullptr;
    QPushButton* SSCommand3 = nullptr;
    QPushButton* SSCommand4 = nullptr;
};

} // namespace qv
