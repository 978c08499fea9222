#pragma once

#include <QDialog>

class QPushButton;

namespace qv {

// The about box: the program's name, version and credits.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    // Shows the box modally over `parent` and returns when it is closed.
    static void showModal(QWidget* parent);

private:
    QPushButton* Command1;  // OK
};

} // namespace qv
