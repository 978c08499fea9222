#include "config_ui/slide_dialogs/effects.h"

#include "components/picture/fx_image.h"
#include "components/picture/load_result.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/busy_pointer.h"
#include "config_ui/common/caption_colours.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/common/help.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/slide_dialogs/preview_box.h"
#include "config_ui/slide_dialogs/slide_edits.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/effect_catalogue.h"
#include "showdata/effect_wait.h"
#include "showdata/random_effect.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace qv {
namespace {

constexpr int kSlowestSpeed = 200;

} // namespace

effects::effects(QWidget* parent)
    : QDialog(parent), slide_(configUiState().currentSlide), grainRow_(grainModeRow(globalSettings().mgrainMode))
{
    setObjectName(QStringLiteral("effects"));
    setWindowTitle(QStringLiteral("Choose effect style"));
    setModal(true);
    SetBusyPointer();
    busyPointer_ = true;
    if (effectCatalogue().effectName[noEffect].isEmpty())
        BuildEffectCatalogue();

    auto* pictureCaption = new QLabel(QStringLiteral("Picture:"), this);
    Label1 = new PathLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Preview = new PreviewBox(390, 60, 5220, 7230, this);
    Preview->setObjectName(QStringLiteral("Picture1"));
    connect(Preview->image(), &FXImage::Notify, this, &effects::FXImage1_Notify);

    auto* listCaption = new QLabel(QStringLiteral("&Effect:"), this);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->addItem(effectCatalogue().effectName[randomEffect]);
    for (int effect = noEffect; effect <= lastRealEffect; ++effect)
        List1->addItem(effectCatalogue().effectName[std::size_t(effect)]);
    List1->setMinimumWidth(List1->fontMetrics().horizontalAdvance(QStringLiteral("Dbl Diag.TL-BL  ")) +
                           List1->verticalScrollBar()->sizeHint().width() + 8);
    listCaption->setBuddy(List1);
    // Queued: the handler previews, and the preview must not run inside the list's own
    // mouse or key handling.
    connect(List1, &QListWidget::currentRowChanged, this, &effects::List1_Click, Qt::QueuedConnection);
    List1->installEventFilter(this);
    List1->viewport()->installEventFilter(this);
    // Chosen before the list can take the focus, which would otherwise pick row 0.
    {
        const CustomShow& show = customShow();
        const bool isSlide = slide_ >= 1 && slide_ <= show.slideCount;
        selectRowQuietly(listRowOfEffect(isSlide ? show.effect[std::size_t(slide_)] : noEffect));
    }

    auto* speedCaption = new QLabel(QStringLiteral("&Speed of effect *"), this);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(0, kSlowestSpeed);
    HScroll1->setPageStep(10);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    HScroll1->setToolTip(QStringLiteral("Speed of effect: the larger the number, the slower the effect"));
    speedCaption->setBuddy(HScroll1);
    Label3 = new QLabel(QStringLiteral("0"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setMinimumWidth(Label3->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) { Label3->setText(QString::number(value)); });
    // Only the user's own moves of the bar count as a new speed; a preview's draw does not.
    connect(HScroll1, &QScrollBar::actionTriggered, this, [this] { speedTouched_ = true; });

    auto* note = new QLabel(QStringLiteral("* Speed of effect will vary according to size of display area"), this);
    note->setWordWrap(true);
    auto* escapeNote = new QLabel(QStringLiteral("<ESC> to abort the effect during redraw"), this);
    Check1 = new QCheckBox(QStringLiteral("Copy &to all"), this);
    Check1->setObjectName(QStringLiteral("Check1"));

    const std::array<QString, 3> captions{QStringLiteral("&Preview"), QStringLiteral("&Cancel"),
                                          QStringLiteral("&Ok")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(captions[std::size_t(i)], this);
        button->setObjectName(QStringLiteral("SSCommand1_%1").arg(i));
        colourCaption(button);
        connect(button, &QPushButton::clicked, this, [this, i] { SSCommand1_Click(i); });
        SSCommand1[std::size_t(i)] = button;
    }
    SSCommand1[2]->setDefault(true);
    bindHelpKey(this, QStringLiteral("Slide Dialogs"));

    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(pictureCaption);
    pictureRow->addWidget(Label1, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(listCaption);
    side->addWidget(List1, 1);
    side->addWidget(Check1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(Preview, 0, Qt::AlignTop);
    middle->addLayout(side, 1);

    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(speedCaption);
    speedRow->addWidget(HScroll1, 1);
    speedRow->addWidget(Label3);

    auto* notes = new QVBoxLayout;
    notes->addWidget(note);
    notes->addWidget(escapeNote);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(notes, 1);
    bottom->addWidget(SSCommand1[0], 0, Qt::AlignBottom);
    bottom->addWidget(SSCommand1[2], 0, Qt::AlignBottom);
    bottom->addWidget(SSCommand1[1], 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictureRow);
    layout->addLayout(middle, 1);
    layout->addLayout(speedRow);
    layout->addLayout(bottom);

    setTabOrder(List1, HScroll1);
    setTabOrder(HScroll1, Check1);
    setTabOrder(Check1, SSCommand1[0]);
    setTabOrder(SSCommand1[0], SSCommand1[2]);
    setTabOrder(SSCommand1[2], SSCommand1[1]);
    nameControlsForAccessibility(this);
    Label1->setAccessibleName(QStringLiteral("Picture"));
    Label3->setAccessibleName(QStringLiteral("Speed of effect"));
}

effects::~effects()
{
    if (busyPointer_)
        SetNormalPointer();
}

void effects::openModal(QWidget* parent)
{
    effects dialog(parent);
    dialog.exec();
}

void effects::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    centre_on_screen(this);
    QTimer::singleShot(0, this, &effects::Form_Activate);
}

void effects::selectRowQuietly(int row)
{
    const QSignalBlocker quiet(List1);
    List1->setCurrentRow(row);
    List1->scrollToItem(List1->currentItem(), QAbstractItemView::PositionAtCenter);
}

void effects::showSpeed(int speed)
{
    // A speed beyond the bar (written by hand into a show file) is kept, not cut down.
    HScroll1->setMaximum(std::max(kSlowestSpeed, speed));
    HScroll1->setValue(speed);
    Label3->setText(QString::number(HScroll1->value()));
}

void effects::takeDrawnEffect()
{
    const EffectCatalogue& catalogue = effectCatalogue();
    const auto drawn = std::size_t(DrawPreviewEffect());
    FXImage* image = Preview->image();
    image->setEffect(int(drawn));
    image->setEffectGrain(catalogue.effectGrain[std::size_t(grainRow_)][drawn]);
    image->setEffectSpeed(catalogue.effectBaseSpeed[std::size_t(grainRow_)][drawn]);
    showSpeed(image->effectSpeed());
}

void effects::Form_Activate()
{
    const CustomShow& show = customShow();
    const QString picture = slidePicture(show, slide_);
    Label1->setPath(picture);
    const bool isSlide = slide_ >= 1 && slide_ <= show.slideCount;
    int effect = isSlide ? show.effect[std::size_t(slide_)] : noEffect;
    if (effect != randomEffect && (effect < noEffect || effect > lastRealEffect))
        effect = noEffect;

    if (effect == randomEffect) {
        takeDrawnEffect();
    } else {
        FXImage* image = Preview->image();
        image->setEffect(effect);
        image->setEffectGrain(effectCatalogue().effectGrain[std::size_t(grainRow_)][std::size_t(effect)]);
        const int speed = isSlide ? show.effectSpeed[std::size_t(slide_)] : 0;
        image->setEffectSpeed(speed);
        showSpeed(std::max(0, speed));
    }

    pictureLoaded_ = Preview->preview(picture, false) == LoadResult::Loaded;
    if (pictureLoaded_)
        runTransition();
    // The dialog's own selection does not preview again; the row it opened on counts as
    // picked, so a preview keeps the slide's own speed.
    selectRowQuietly(listRowOfEffect(effect));
    lastRow_ = List1->currentRow();
    loading_ = false;
    if (isVisible())
        List1->setFocus(Qt::ActiveWindowFocusReason);
    SetNormalPointer();
    busyPointer_ = false;
}

void effects::List1_Click()
{
    const int row = List1->currentRow();
    // Nothing is previewed before the opening preview has finished.
    if (loading_ || row < 0 || previewRunning_)
        return;
    const EffectCatalogue& catalogue = effectCatalogue();
    FXImage* image = Preview->image();
    if (row != lastRow_ && row != 0) {
        lastRow_ = row;
        showSpeed(catalogue.effectBaseSpeed[std::size_t(grainRow_)][std::size_t(row - 1)]);
    }
    if (row == 0) {
        takeDrawnEffect();
    } else {
        // Also after a "Random Effect" preview in between, which left its drawn effect.
        image->setEffect(effectOfListRow(row));
        image->setEffectGrain(catalogue.effectGrain[std::size_t(grainRow_)][std::size_t(row - 1)]);
        image->setEffectSpeed(HScroll1->value());
    }
    if (pictureLoaded_)
        runTransition();
}

void effects::runTransition()
{
    FXImage* image = Preview->image();
    // The list takes no input until the effect has finished (see eventFilter). It is not
    // disabled: that would move the focus on to the speed bar, and the next arrow key
    // meant for the list would change the speed.
    previewRunning_ = true;
    MarkEffectRunning();
    if (image->isVisible())
        image->redraw();
    else
        image->show();
    WaitForEffect();
    previewRunning_ = false;
}

void effects::FXImage1_Notify() { MarkEffectDone(); }

void effects::keyPressEvent(QKeyEvent* event)
{
    // Escape during a preview only cuts the effect short (the picture control has
    // already done so); otherwise it cancels the dialog.
    if (event->key() == Qt::Key_Escape && previewRunning_) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool effects::eventFilter(QObject* watched, QEvent* event)
{
    if (previewRunning_ && (watched == List1 || watched == List1->viewport())) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // A key has already cut the effect short; neither it nor a click picks a row now.
            return true;
        default:
            break;
        }
    }
    // A click on the row already chosen previews it again, with the speed now set.
    if (watched == List1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            pressedRow_ = List1->currentRow();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* release = static_cast<QMouseEvent*>(event);
            const int row = List1->row(List1->itemAt(release->position().toPoint()));
            if (row >= 0 && row == pressedRow_ && row == List1->currentRow())
                QTimer::singleShot(0, this, &effects::List1_Click);
            pressedRow_ = -1;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void effects::SSCommand1_Click(int index)
{
    switch (index) {
    case 0:
        List1_Click();
        break;
    case 1:
        reject();
        break;
    case 2: {
        const int row = List1->currentRow();
        const CustomShow& show = customShow();
        // Confirmed with the slide's own effect and the bar untouched, the slide keeps its
        // speed: a "Random Effect" preview shows the speed of its draw, not the slide's.
        const bool unchanged = row >= 0 && slide_ >= 1 && slide_ <= show.slideCount && !speedTouched_
                               && effectOfListRow(row) == show.effect[std::size_t(slide_)];
        const int speed = unchanged ? show.effectSpeed[std::size_t(slide_)] : HScroll1->value();
        if (row >= 0)
            storeEffect(customShow(), slide_, effectOfListRow(row), speed, Check1->isChecked());
        accept();
        if (row >= 0) {
            RefreshEffectColumn();
            RefreshSpeedColumn();
        }
        break;
    }
    default:
        break;
    }
}

} // namespace qv
