#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qv {

class PathLabel;
class PreviewBox;

// Shows the picture of configUiState().currentSlide (slide 0 holds the random setup's
// picture).
class cpic : public QDialog {
    Q_OBJECT

public:
    explicit cpic(QWidget* parent = nullptr);
    ~cpic() override;
    static void openModal(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();

    PathLabel* Label1;
    PreviewBox* Preview;
    QPushButton* Command1;
    bool activated_ = false;
    bool busyPointer_ = false;
};

} // namespace qv
