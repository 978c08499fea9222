#include "config_ui/slide_dialogs/cpic.h"

#include "components/picture/fx_image.h"
#include "components/picture/load_result.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/busy_pointer.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/slide_dialogs/preview_box.h"
#include "config_ui/slide_dialogs/slide_edits.h"
#include "showdata/custom_show.h"
#include "showdata/effect_wait.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qv {

cpic::cpic(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("cpic"));
    setWindowTitle(QStringLiteral("Picture"));
    setModal(true);
    SetBusyPointer();
    busyPointer_ = true;

    Preview = new PreviewBox(30, 30, 3735, 5835, this);
    Preview->setObjectName(QStringLiteral("Picture1"));
    connect(Preview->image(), &FXImage::Notify, this, [] { MarkEffectDone(); });
    Label1 = new PathLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setPath(QStringLiteral("Loading picture..."));
    Label1->setToolTip(QString());
    Command1 = new QPushButton(QStringLiteral("&Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1, 1);
    bottom->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Preview, 0, Qt::AlignHCenter);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    nameControlsForAccessibility(this);
    Label1->setAccessibleName(QStringLiteral("Picture"));
    bindHelpKey(this, QStringLiteral("Slide Dialogs"));
}

cpic::~cpic()
{
    if (busyPointer_)
        SetNormalPointer();
}

void cpic::openModal(QWidget* parent)
{
    cpic dialog(parent);
    dialog.exec();
}

void cpic::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    centre_on_screen(this);
    QTimer::singleShot(0, this, &cpic::Form_Activate);
}

void cpic::Form_Activate()
{
    FXImage* image = Preview->image();
    image->setEffect(0);
    image->setEffectSpeed(0);
    image->setEffectGrain(2);
    const QString picture = slidePicture(customShow(), configUiState().currentSlide);
    if (Preview->preview(picture, false) == LoadResult::Loaded) {
        MarkEffectRunning();
        image->show();
        WaitForEffect();
    }
    // Also after a failed load, so the user sees which file it was.
    Label1->setPath(picture);
    SetNormalPointer();
    busyPointer_ = false;
}

} // namespace qv
