#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qv {

class PicturePicker;

// "Insert Picture": one new slide, made from a chosen picture and a description, put in
// front of the current slide.
class insert final : public QDialog {
    Q_OBJECT
public:
    explicit insert(QWidget* parent = nullptr);
    ~insert() override;

    static void openModal(QWidget* parent);

    // Escape and the window's close button act as Cancel.
    void reject() override;

private:
    void SSCommand1_Click(int index);

    PicturePicker* picker_;
    QLineEdit* Text1_;
    QPushButton* SSCommand1_[3];
};

} // namespace qv
