#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace qv {

class PicturePicker;

// "Add pictures to slide show": any number of pictures at once, each a new slide with
// the delay given here, in front of the current slide or after the last one, and then,
// if asked for, a description for each.
class Add_files final : public QDialog {
    Q_OBJECT
public:
    explicit Add_files(QWidget* parent = nullptr);
    ~Add_files() override;

    static void openModal(QWidget* parent);

    // Escape and the window's close button act as Cancel.
    void reject() override;

private:
    void SSCommand1_Click(int index);
    void addPictures(bool everyFile);

    PicturePicker* picker_;
    QRadioButton* Option1_;
    QRadioButton* Option2_;
    QCheckBox* Check1_;
    QLineEdit* Text1_;
    QScrollBar* VScroll1_;
    QPushButton* SSCommand1_[5];
    bool describeAfterwards_ = false;
};

} // namespace qv
