#pragma once

#include <QDialog>

class QScrollBar;

namespace qv {

// The small untitled window that sets the speed of the block dissolve: a larger
// "dissolve_speed" is a slower dissolve. The setting follows the scroll bar at once.
class dspeed : public QDialog {
    Q_OBJECT
public:
    // `options`: the global options window, which the speed window sits over.
    explicit dspeed(QWidget* options = nullptr);

    static void openModal(QWidget* options);

private:
    void Form_Load();
    void HScroll1_Change();
    void SSCommand1_Click();

    QScrollBar* HScroll1 = nullptr;
};

} // namespace qv
