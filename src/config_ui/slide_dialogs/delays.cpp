#include "config_ui/slide_dialogs/delays.h"

#include "config_ui/common/accessible_names.h"
#include "config_ui/common/caption_colours.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/delay_entry.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/slide_dialogs/preview_box.h"
#include "config_ui/slide_dialogs/slide_edits.h"
#include "showdata/custom_show.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <QVBoxLayout>

namespace qv {

delays::delays(QWidget* parent) : QDialog(parent), slide_(configUiState().currentSlide)
{
    setObjectName(QStringLiteral("delays"));
    setWindowTitle(QStringLiteral("Number of seconds to display picture"));
    setModal(true);

    const CustomShow& show = customShow();
    auto* pictureCaption = new QLabel(QStringLiteral("Picture:"), this);
    Label1 = new PathLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setPath(slidePicture(show, slide_));

    auto* prompt = new QLabel(QStringLiteral("&Seconds:"), this);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFixedWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    prompt->setBuddy(Text1);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    // Tall enough for both arrows to be seen and hit.
    VScroll1->setFixedHeight(std::max(Text1->sizeHint().height(),
                                      2 * style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4));
    VScroll1->setToolTip(QStringLiteral("One second more or less"));
    VScroll1->setFocusPolicy(Qt::NoFocus);
    attachDelayEntry(Text1, VScroll1);
    Text1->installEventFilter(this);
    const int delay = slide_ >= 1 && slide_ <= show.slideCount ? show.delay[std::size_t(slide_)] : 0;
    Text1->setText(QString::number(delay));

    Check1 = new QCheckBox(QStringLiteral("Copy &to all"), this);
    Check1->setObjectName(QStringLiteral("Check1"));

    const std::array<QString, 2> captions{QStringLiteral("&Ok"), QStringLiteral("&Help")};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QPushButton(captions[std::size_t(i)], this);
        button->setObjectName(QStringLiteral("SSCommand1_%1").arg(i));
        colourCaption(button);
        connect(button, &QPushButton::clicked, this, [this, i] { SSCommand1_Click(i); });
        SSCommand1[std::size_t(i)] = button;
    }
    SSCommand1[0]->setDefault(true);

    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(pictureCaption);
    pictureRow->addWidget(Label1, 1);

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(prompt);
    entryRow->addWidget(Text1);
    entryRow->setSpacing(2);
    entryRow->addWidget(VScroll1);
    entryRow->addSpacing(16);
    entryRow->addWidget(Check1);
    entryRow->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SSCommand1[0]);
    buttons->addWidget(SSCommand1[1]);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictureRow);
    layout->addSpacing(6);
    layout->addLayout(entryRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    // Wide enough for a usual path; longer ones give way in the middle.
    setMinimumWidth(fontMetrics().averageCharWidth() * 80);
    bindHelpKey(this, QStringLiteral("Delay"));
    nameControlsForAccessibility(this);
    Label1->setAccessibleName(QStringLiteral("Picture"));
}

void delays::openModal(QWidget* parent)
{
    delays dialog(parent);
    dialog.exec();
}

void delays::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    centre_on_screen(this);
    Text1->setFocus(Qt::ActiveWindowFocusReason);
    Text1->selectAll();
}

bool delays::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys work the spin bar, which takes no focus of its own.
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            VScroll1->triggerAction(key == Qt::Key_Up ? QAbstractSlider::SliderSingleStepSub
                                                      : QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void delays::SSCommand1_Click(int index)
{
    if (index == 0) {
        storeDelay(customShow(), slide_, delayEntryValue(Text1), Check1->isChecked());
        accept();
        RefreshDelayColumn();
    } else if (index == 1) {
        open_help(QStringLiteral("Delay"));
    }
}

} // namespace qv
