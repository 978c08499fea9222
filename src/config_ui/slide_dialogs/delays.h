#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace qv {

class PathLabel;

// How many seconds the slide being edited stays on screen.
class delays : public QDialog {
    Q_OBJECT

public:
    explicit delays(QWidget* parent = nullptr);
    static void openModal(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SSCommand1_Click(int index);

    PathLabel* Label1;  // the picture's path
    QLineEdit* Text1;
    QScrollBar* VScroll1;
    QCheckBox* Check1;
    std::array<QPushButton*, 2> SSCommand1{};
    int slide_;
    bool placed_ = false;
};

} // namespace qv
