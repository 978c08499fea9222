#pragma once

#include <QDialog>

class QPushButton;

namespace qv {

class ShowFileList;

// "Delete Slideshow": removes a saved show file after asking.
class frmremove final : public QDialog {
    Q_OBJECT
public:
    explicit frmremove(QWidget* parent = nullptr);

    static void openModal(QWidget* parent);

private:
    void SSCommand1_Click(int index);

    ShowFileList* files_;
    QPushButton* SSCommand1_[2];
};

} // namespace qv
