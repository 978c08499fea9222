#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace qv {

// "Swap positions": the current slide changes places with the slide chosen in the list.
class Swap final : public QDialog {
    Q_OBJECT
public:
    explicit Swap(QWidget* parent = nullptr);
    ~Swap() override;

    static void openModal(QWidget* parent);

private:
    void SSCommand1_Click(int index);

    QLabel* Label2_;
    QListWidget* List1_;
    QPushButton* SSCommand1_[2];
};

// A slide as the swap dialog lists it: its number, its picture and its description.
QString swapListRow(int position);

} // namespace qv
