#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>

namespace qv {

// The notice a show gives when it has no pictures: up for seven seconds, modal, in
// the middle of the screen.
class frmNoFiles : public QDialog {
    Q_OBJECT
public:
    explicit frmNoFiles(QWidget* parent = nullptr);

    // Shows the notice and returns when it has closed itself.
    static void showAndWait();

    // How long the notice stays: 7 seconds; tests shorten it.
    static int& displayMs();

private Q_SLOTS:
    void Timer1_Timer();

private:
    void Form_Load();

    QLabel* Label1;
    QTimer Timer1;
};

} // namespace qv
