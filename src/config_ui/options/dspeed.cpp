#include "config_ui/options/dspeed.h"

#include "config_ui/common/help.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/status_line.h"
#include "config_ui/common/window_placement.h"
#include "settings/global_settings.h"
#include "startup/shared_routines.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace qv {

dspeed::dspeed(QWidget* options)
    : QDialog(options, Qt::Dialog | Qt::CustomizeWindowHint)  // a frame without a title bar
{
    setObjectName(QStringLiteral("dspeed"));
    // No title bar shows it; task lists and screen readers still name the window.
    setWindowTitle(QStringLiteral("Block Dissolve Speed"));

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);

    auto* FXLabel1 = new QLabel(QStringLiteral("Block Dissolve &Speed"), panel);
    FXLabel1->setObjectName(QStringLiteral("FXLabel1"));
    QFont heading = FXLabel1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    FXLabel1->setFont(heading);
    FXLabel1->setAlignment(Qt::AlignCenter);

    HScroll1 = new QScrollBar(Qt::Horizontal, panel);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(0, 200);
    HScroll1->setPageStep(10);
    HScroll1->setSingleStep(1);
    HScroll1->setMinimumWidth(FXLabel1->sizeHint().width());
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    FXLabel1->setBuddy(HScroll1);

    auto* FXLabel3 = new QLabel(QStringLiteral("Fast"), panel);
    FXLabel3->setObjectName(QStringLiteral("FXLabel3"));
    auto* FXLabel2 = new QLabel(QStringLiteral("Slow"), panel);
    FXLabel2->setObjectName(QStringLiteral("FXLabel2"));

    auto* SSCommand1 = new QPushButton(QStringLiteral("&Ok"), panel);
    SSCommand1->setObjectName(QStringLiteral("SSCommand1"));
    SSCommand1->setDefault(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(FXLabel3);
    bar->addWidget(HScroll1, 1);
    bar->addWidget(FXLabel2);
    auto* inner = new QVBoxLayout(panel);
    inner->addWidget(FXLabel1);
    inner->addLayout(bar);
    inner->addWidget(SSCommand1, 0, Qt::AlignHCenter);
    auto* status = new QLabel(panel);
    status->setObjectName(QStringLiteral("StatusLine"));
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    inner->addWidget(status);
    setStatusText(HScroll1, QStringLiteral("Toward Slow: a slower dissolve"));
    setStatusText(SSCommand1, QStringLiteral("Click here to keep this speed"));
    installStatusLine(this, status);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(HScroll1, &QScrollBar::valueChanged, this, &dspeed::HScroll1_Change);
    connect(SSCommand1, &QPushButton::clicked, this, &dspeed::SSCommand1_Click);
    nameControlsForAccessibility(this);
    bindHelpKey(this, QStringLiteral("Global Options"));
    HScroll1->setFocus();
    Form_Load();
}

void dspeed::openModal(QWidget* options)
{
    dspeed window(options);
    window.exec();
}

void dspeed::Form_Load()
{
    if (const QWidget* options = parentWidget())
        move(options->frameGeometry().topLeft() + QPoint(twipsToPixelsX(1650), twipsToPixelsY(1000)));
    // A stored speed beyond the bar is shown at its end and kept until the bar moves.
    const QSignalBlocker quiet(HScroll1);
    HScroll1->setValue(std::clamp<int>(globalSettings().dissolveSpeed, 0, 200));
}

void dspeed::HScroll1_Change() { globalSettings().dissolveSpeed = static_cast<std::int16_t>(HScroll1->value()); }

void dspeed::SSCommand1_Click()
{
    let_events_run();
    accept();
}

} // namespace qv
