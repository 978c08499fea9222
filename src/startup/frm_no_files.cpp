#include "startup/frm_no_files.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace qv {

frmNoFiles::frmNoFiles(QWidget* parent)
    : QDialog(parent), Label1(new QLabel(this))
{
    setWindowTitle(QStringLiteral("No pictures to display!"));
    setModal(true);
    Label1->setText(QStringLiteral(
        "Quintavue has found NO pictures in the current Quintavue configuration. Please select either a Random or "
        "Custom slideshow from the configuration screen and add some pictures to the slideshow."));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(420);
    QFont font = Label1->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    Label1->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(Label1);

    Timer1.setSingleShot(true);
    Timer1.setInterval(displayMs());
    connect(&Timer1, &QTimer::timeout, this, &frmNoFiles::Timer1_Timer);
    Form_Load();
}

void frmNoFiles::Form_Load()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    Timer1.start();
}

void frmNoFiles::Timer1_Timer() { accept(); }

int& frmNoFiles::displayMs()
{
    static int milliseconds = 7000;
    return milliseconds;
}

void frmNoFiles::showAndWait()
{
    frmNoFiles notice;
    notice.exec();
}

} // namespace qv
