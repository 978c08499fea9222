#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace qv {

class PathLabel;
class PreviewBox;

// Chooses the transition effect and its speed for the slide being edited, previewing
// each choice on the slide's own picture.
class effects : public QDialog {
    Q_OBJECT

public:
    explicit effects(QWidget* parent = nullptr);
    ~effects() override;
    static void openModal(QWidget* parent);

    bool previewRunning() const { return previewRunning_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Activate();
    void List1_Click();
    void SSCommand1_Click(int index);
    void FXImage1_Notify();

    void selectRowQuietly(int row);
    void showSpeed(int speed);
    // The preview's effect, grain and speed for "Random Effect": a fresh draw.
    void takeDrawnEffect();
    void runTransition();

    PathLabel* Label1;  // the picture's path
    PreviewBox* Preview;
    QListWidget* List1;
    QScrollBar* HScroll1;
    QLabel* Label3;     // the speed bar's value
    QCheckBox* Check1;
    std::array<QPushButton*, 3> SSCommand1{};

    int slide_;
    int grainRow_;
    bool loading_ = true;
    bool speedTouched_ = false;  // the user moved the speed bar
    bool activated_ = false;
    bool busyPointer_ = false;
    bool pictureLoaded_ = false;
    bool previewRunning_ = false;
    int lastRow_ = -1;
    int pressedRow_ = -1;  // the current row when a mouse button went down on the list
};

} // namespace qv
