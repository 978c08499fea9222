#pragma once

#include "config_ui/effects/effect_grid.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace qv {

class FXImage;

// The effect chooser: which effects the random choice may use, and how fast randomly
// chosen effects run. Checking an effect plays it once on a sample picture; "Ok"
// writes the effect-selection file and "random_speed_adjuster".
class frmEffects : public QDialog {
    Q_OBJECT

public:
    explicit frmEffects(QWidget* parent = nullptr);

    // Opens the chooser over `parent` and returns when it closes.
    static void openModal(QWidget* parent);

    // The window's colours: a checked effect reads black, an unchecked one white, both
    // legible on this background.
    static QColor background();

private slots:
    void Checkbox_Click(int k);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void SSCommand1_Click();
    void SSCommand2_Click();
    void SSCommand3_Click();
    void SSCommand4_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    QWidget* buildGrid();
    QWidget* buildSidePanel();
    void colourBox(int k);
    void setAllBoxes(bool checked);
    void takeGridFocus(int k);

    std::array<QCheckBox*, effectGridCells + 1> Checkbox{};  // [1] to [120]
    FXImage* FXImage1 = nullptr;
    QWidget* sampleArea_ = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QPushButton* SSCommand1 = nullptr;
    QPushButton* SSCommand2 = nullptr;
    QPushButton* SSCommand3 = nullptr;
    QPushButton* SSCommand4 = nullptr;
    QLabel* statusLine_ = nullptr;
    int gridFocus_ = 1;        // the one box that Tab reaches; arrows move it
    bool settingBoxes_ = false;  // boxes set by the window, not the user: no preview
    bool activated_ = false;
};

} // namespace qv
