#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class PicturePicker;

// "Select new picture": another picture, and with it a description, for the current
// slide; the slide keeps its delay, effect and sound.
class cus_add2 final : public QDialog {
    Q_OBJECT
public:
    explicit cus_add2(QWidget* parent = nullptr);
    ~cus_add2() override;

    static void openModal(QWidget* parent);

    // Escape and the window's close button act as Cancel.
    void reject() override;

private:
    void SSCommand1_Click(int index);

    PicturePicker* picker_;
    QLabel* Label1_;
    QLineEdit* Text1_;
    QPushButton* SSCommand1_[4];
};

} // namespace qv
