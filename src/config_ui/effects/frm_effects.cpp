#include "config_ui/effects/frm_effects.h"

#include "components/picture/fx_image.h"
#include "components/picture/load_result.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/artwork.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/help.h"
#include "config_ui/common/picture_preview.h"
#include "config_ui/common/status_line.h"
#include "config_ui/common/window_placement.h"
#include "settings/global_settings.h"
#include "showdata/effect_catalogue.h"
#include "showdata/effect_selection_file.h"
#include "showdata/random_effect.h"
#include "startup/shared_routines.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace qv {
namespace {

const QColor checkedText(0, 0, 0);
const QColor uncheckedText(0xFF, 0xFF, 0xFF);
// Mid-tone teal: white and black text both stand out from it by about 4.6 to 1.
const QColor windowColour(0x00, 0x83, 0x83);
const QColor disabledText(0xC8, 0xD8, 0xD8);
const QColor focusFrame(0xFF, 0xE0, 0x00);

// The sample picture's box, in twips: a 4:3 frame beside the grid.
constexpr int sampleWidthTwips = 2880;
constexpr int sampleHeightTwips = 2160;

const QString boxStatus = QStringLiteral("Checked effects may be chosen at random; checking one plays it on the sample");

// The largest font, no larger than the window's own, in which every caption of the
// grid fits its box; below 6 points legibility wins and captions may be cut.
void fitGridFont(QWidget* grid, const std::array<QCheckBox*, effectGridCells + 1>& boxes)
{
    QFont font = grid->font();
    const double largest = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    for (double size = largest; size >= 6.0; size -= 0.5) {
        font.setPointSizeF(size);
        grid->setFont(font);
        const bool fits = std::all_of(boxes.begin() + 1, boxes.begin() + lastRealEffect + 1, [](QCheckBox* box) {
            const QSize wanted = box->sizeHint();
            return wanted.width() <= box->width() && box->fontMetrics().height() <= box->height();
        });
        if (fits)
            return;
    }
}

} // namespace

frmEffects::frmEffects(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEffects"));
    setWindowTitle(QStringLiteral("Select effects to be used by the RANDOM SLIDESHOW and RANDOM EFFECT in CUSTOM slideshow."));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, windowColour);
    colours.setColor(QPalette::WindowText, uncheckedText);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    setPalette(colours);
    setAutoFillBackground(true);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildGrid(), 0, Qt::AlignTop);
    columns->addWidget(buildSidePanel());

    statusLine_ = new QLabel(QStringLiteral(" "), this);
    statusLine_->setObjectName(QStringLiteral("StatusLine"));
    statusLine_->setFrameShape(QFrame::Panel);
    statusLine_->setFrameShadow(QFrame::Sunken);
    statusLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* window = new QVBoxLayout(this);
    window->addLayout(columns);
    window->addWidget(statusLine_);
    window->setSizeConstraint(QLayout::SetFixedSize);

    installStatusLine(this, statusLine_);
    for (int k = 1; k <= effectGridCells; ++k)
        setStatusText(Checkbox[static_cast<std::size_t>(k)], boxStatus);
    setStatusText(Option1, QStringLiteral("Randomly chosen effects run slowly"));
    setStatusText(Option2, QStringLiteral("Randomly chosen effects run at normal speed"));
    setStatusText(Option3, QStringLiteral("Randomly chosen effects run fast"));
    setStatusText(SSCommand1, QStringLiteral("Check every effect"));
    setStatusText(SSCommand2, QStringLiteral("Uncheck every effect"));
    setStatusText(SSCommand3, QStringLiteral("Save the checked effects and the speed"));
    setStatusText(SSCommand4, QStringLiteral("Close without saving anything"));

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [] { open_help(QStringLiteral("Effects")); });

    Form_Load();
    nameControlsForAccessibility(this);
}

void frmEffects::openModal(QWidget* parent)
{
    frmEffects window(parent);
    window.exec();
}

QColor frmEffects::background() { return windowColour; }

QWidget* frmEffects::buildGrid()
{
    auto* grid = new QWidget(this);
    grid->setObjectName(QStringLiteral("EffectGrid"));
    grid->setFixedSize(effectGridPixels());
    // The style frames the focused box in the highlight colour, which barely shows on
    // the teal: a bright yellow makes the keyboard's place in the grid plain.
    QPalette focusColours = grid->palette();
    focusColours.setColor(QPalette::Highlight, focusFrame);
    grid->setPalette(focusColours);
    for (int k = 1; k <= effectGridCells; ++k) {
        auto* box = new QCheckBox(grid);
        box->setObjectName(QStringLiteral("Checkbox_%1").arg(k));
        box->setGeometry(effectBoxPixels(k));
        box->setAccessibleDescription(QStringLiteral("Effect %1").arg(k));
        // One box of the grid is in the Tab chain at a time; the arrow keys move it.
        box->setFocusPolicy(k == gridFocus_ ? Qt::StrongFocus : Qt::ClickFocus);
        box->installEventFilter(this);
        connect(box, &QCheckBox::toggled, this, [this, k] { Checkbox_Click(k); });
        Checkbox[static_cast<std::size_t>(k)] = box;
    }
    return grid;
}

QWidget* frmEffects::buildSidePanel()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    sampleArea_ = new QWidget(panel);
    sampleArea_->setObjectName(QStringLiteral("SampleArea"));
    sampleArea_->setFixedSize(twipsToPixelsX(sampleWidthTwips), twipsToPixelsY(sampleHeightTwips));
    FXImage1 = new FXImage(sampleArea_);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setAccessibleName(QStringLiteral("Sample picture"));
    FXImage1->hide();
    layout->addWidget(sampleArea_, 0, Qt::AlignHCenter);

    auto* speed = new QGroupBox(QStringLiteral("Random &Effect Speed"), panel);
    speed->setObjectName(QStringLiteral("Frame1"));
    auto* speedLayout = new QVBoxLayout(speed);
    Option3 = new QRadioButton(QStringLiteral("&Fast"), speed);
    Option3->setObjectName(QStringLiteral("Option3"));
    Option2 = new QRadioButton(QStringLiteral("&Normal"), speed);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option1 = new QRadioButton(QStringLiteral("S&low"), speed);
    Option1->setObjectName(QStringLiteral("Option1"));
    for (QRadioButton* option : {Option3, Option2, Option1})
        speedLayout->addWidget(option);
    connect(Option1, &QRadioButton::clicked, this, &frmEffects::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &frmEffects::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &frmEffects::Option3_Click);
    layout->addWidget(speed);
    layout->addStretch(1);

    auto makeButton = [panel](const QString& caption, const QString& name) {
        auto* button = new QPushButton(caption, panel);
        button->setObjectName(name);
        return button;
    };
    SSCommand1 = makeButton(QStringLiteral("&Select All"), QStringLiteral("SSCommand1"));
    SSCommand2 = makeButton(QStringLiteral("&De-Select All"), QStringLiteral("SSCommand2"));
    SSCommand3 = makeButton(QStringLiteral("&Ok"), QStringLiteral("SSCommand3"));
    SSCommand4 = makeButton(QStringLiteral("&Cancel"), QStringLiteral("SSCommand4"));
    SSCommand3->setDefault(true);
    auto* buttons = new QGridLayout;
    buttons->addWidget(SSCommand1, 0, 0);
    buttons->addWidget(SSCommand2, 0, 1);
    buttons->addWidget(SSCommand3, 1, 0);
    buttons->addWidget(SSCommand4, 1, 1);
    layout->addLayout(buttons);
    connect(SSCommand1, &QPushButton::clicked, this, &frmEffects::SSCommand1_Click);
    connect(SSCommand2, &QPushButton::clicked, this, &frmEffects::SSCommand2_Click);
    connect(SSCommand3, &QPushButton::clicked, this, &frmEffects::SSCommand3_Click);
    connect(SSCommand4, &QPushButton::clicked, this, &frmEffects::SSCommand4_Click);
    return panel;
}

void frmEffects::Form_Load()
{
    configUiState().speedAdjusterEdit = globalSettings().randomSpeedAdjuster;
    BuildEffectCatalogue();

    // The sample stays hidden until the window is on screen, so its first drawing is
    // seen; a missing picture leaves the frame empty rather than stopping the window.
    const QString sample = titlePicturePath();
    if (QFileInfo(sample).isFile())
        placePicture(*FXImage1, sample, QRect(QPoint(0, 0), sampleArea_->size()));

    const EffectCatalogue& catalogue = effectCatalogue();
    settingBoxes_ = true;
    for (int k = 1; k <= lastRealEffect; ++k) {
        QCheckBox* box = Checkbox[static_cast<std::size_t>(k)];
        box->setText(catalogue.effectName[static_cast<std::size_t>(k)]);
        box->setChecked(catalogue.effectEnabled[static_cast<std::size_t>(k)] == 1);
        colourBox(k);
    }
    for (int k = lastRealEffect + 1; k <= effectGridCells; ++k)
        Checkbox[static_cast<std::size_t>(k)]->hide();
    QCheckBox* wipe = Checkbox[wipeAwayEffect];
    wipe->setText(QStringLiteral(" not available"));
    wipe->setEnabled(false);
    wipe->setAccessibleName(QStringLiteral("%1 not available").arg(catalogue.effectName[wipeAwayEffect]));
    settingBoxes_ = false;
    fitGridFont(Checkbox[1]->parentWidget(), Checkbox);

    switch (configUiState().speedAdjusterEdit) {
    case 3: Option1->setChecked(true); break;
    case 2: Option2->setChecked(true); break;
    case 1: Option3->setChecked(true); break;
    default: break;
    }
    centre_on_screen(this);
}

void frmEffects::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, &frmEffects::Form_Activate);
    }
}

void frmEffects::Form_Activate()
{
    if (FXImage1->loadResult() == LoadResult::Loaded && !FXImage1->fileName().isEmpty())
        FXImage1->show();
}

void frmEffects::colourBox(int k)
{
    QCheckBox* box = Checkbox[static_cast<std::size_t>(k)];
    QPalette colours = box->palette();
    const QColor text = box->isChecked() ? checkedText : uncheckedText;
    colours.setColor(QPalette::Active, QPalette::WindowText, text);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, text);
    box->setPalette(colours);
}

void frmEffects::Checkbox_Click(int k)
{
    colourBox(k);
    if (settingBoxes_ || !Checkbox[static_cast<std::size_t>(k)]->isChecked())
        return;
    const EffectCatalogue& catalogue = effectCatalogue();
    const int mgrain = globalSettings().mgrainMode;
    FXImage1->setEffect(k);
    FXImage1->setEffectSpeed(RandomEffectSpeed(catalogue, k, mgrain, configUiState().speedAdjusterEdit));
    FXImage1->setEffectGrain(
        catalogue.effectGrain[static_cast<std::size_t>(grainModeRow(mgrain))][static_cast<std::size_t>(k)]);
    FXImage1->redraw();
    let_events_run();
}

void frmEffects::Option1_Click() { configUiState().speedAdjusterEdit = 3; }
void frmEffects::Option2_Click() { configUiState().speedAdjusterEdit = 2; }
void frmEffects::Option3_Click() { configUiState().speedAdjusterEdit = 1; }

void frmEffects::setAllBoxes(bool checked)
{
    // Setting the boxes in bulk must not play 113 previews one after another.
    settingBoxes_ = true;
    for (int k = 1; k <= lastRealEffect; ++k) {
        Checkbox[static_cast<std::size_t>(k)]->setChecked(checked);
        colourBox(k);
    }
    settingBoxes_ = false;
}

void frmEffects::SSCommand1_Click() { setAllBoxes(true); }
void frmEffects::SSCommand2_Click() { setAllBoxes(false); }

void frmEffects::SSCommand3_Click()
{
    settingBoxes_ = true;
    Checkbox[wipeAwayEffect]->setChecked(false);
    settingBoxes_ = false;
    EffectSelection flags{};
    for (int k = 1; k <= lastRealEffect; ++k)
        flags[static_cast<std::size_t>(k - 1)] = Checkbox[static_cast<std::size_t>(k)]->isChecked() ? 1 : 0;
    // A file that cannot be written has been reported; the window stays open so the
    // choice is not lost and the user can decide (fix the folder, or Cancel).
    if (SaveEffectSelection(flags) != 0)
        return;
    GlobalSettings& settings = globalSettings();
    settings.randomSpeedAdjuster = static_cast<std::int16_t>(speedAdjusterFromOptions(
        Option1->isChecked(), Option2->isChecked(), Option3->isChecked(), settings.randomSpeedAdjuster));
    if (save_settings() != 0)
        return;
    accept();
}

void frmEffects::SSCommand4_Click() { reject(); }

void frmEffects::takeGridFocus(int k)
{
    if (k == gridFocus_) {
        Checkbox[static_cast<std::size_t>(k)]->setFocus(Qt::TabFocusReason);
        return;
    }
    Checkbox[static_cast<std::size_t>(gridFocus_)]->setFocusPolicy(Qt::ClickFocus);
    gridFocus_ = k;
    QCheckBox* box = Checkbox[static_cast<std::size_t>(k)];
    box->setFocusPolicy(Qt::StrongFocus);
    box->setFocus(Qt::TabFocusReason);
}

bool frmEffects::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(Checkbox.begin() + 1, Checkbox.end(), watched);
    if (found == Checkbox.end())
        return QDialog::eventFilter(watched, event);
    const int k = static_cast<int>(found - Checkbox.begin());
    if (event->type() == QEvent::FocusIn && k != gridFocus_) {
        Checkbox[static_cast<std::size_t>(gridFocus_)]->setFocusPolicy(Qt::ClickFocus);
        gridFocus_ = k;
        Checkbox[static_cast<std::size_t>(k)]->setFocusPolicy(Qt::StrongFocus);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        EffectBoxMove move{};
        switch (key->key()) {
        case Qt::Key_Up: move = EffectBoxMove::Up; break;
        case Qt::Key_Down: move = EffectBoxMove::Down; break;
        case Qt::Key_Left: move = EffectBoxMove::Left; break;
        case Qt::Key_Right: move = EffectBoxMove::Right; break;
        default: return QDialog::eventFilter(watched, event);
        }
        takeGridFocus(neighbourBox(k, move, [this](int n) {
            const QCheckBox* box = Checkbox[static_cast<std::size_t>(n)];
            return n <= lastRealEffect && box->isEnabled();
        }));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qv
