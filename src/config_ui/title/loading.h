#pragma once

#include "components/label/fx_label.h"

#include <QImage>
#include <QWidget>

namespace qv {

// The splash window shown while configuration mode starts: the product's name and
// version over the program's own artwork, in animated text. It takes no input and
// is removed by the title screen as soon as that becomes active.
class loading : public QWidget {
    Q_OBJECT
public:
    explicit loading(QWidget* parent = nullptr);

    static void open();
    static void closeIfOpen();
    static loading* current();

protected:
    void paintEvent(QPaintEvent* event) override;

private Q_SLOTS:
    void FXLabel4_Notify();

private:
    void Form_Load();
    void loadBackdropInBackground();

    QImage backdrop_;
    FXLabel* FXLabel1;  // product name
    FXLabel* FXLabel2;  // what it is
    FXLabel* FXLabel3;  // version line
    FXLabel* FXLabel4;  // "Now loading...please wait."
};

} // namespace qv
