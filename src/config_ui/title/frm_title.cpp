#include "config_ui/title/frm_title.h"

#include "components/picture/fx_image.h"
#include "components/platform/file_names.h"
#include "components/platform/message_box.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/artwork.h"
#include "config_ui/common/busy_pointer.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/help.h"
#include "config_ui/common/status_line.h"
#include "config_ui/common/test_run.h"
#include "config_ui/common/window_openers.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/title/frm_about.h"
#include "config_ui/title/loading.h"
#include "config_ui/title/program_version.h"
#include "settings/global_settings.h"
#include "showdata/show_file_listing.h"
#include "startup/event_waiting.h"
#include "startup/program_windows.h"
#include "startup/shared_routines.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

namespace qv {
namespace {

// The window keeps the picture's proportions (4:3) so the backdrop is not distorted.
constexpr QSize kTitleSize(800, 600);

// How the backdrop comes in: "Explode", from the middle outwards.
constexpr int kBackdropEffect = 22;
constexpr int kBackdropSpeed = 1;

const QColor kNightBlue(24, 32, 58);

// A dark, slightly see-through card behind the controls, so their text reads the
// same over any part of the picture.
class Panel final : public QWidget {
public:
    explicit Panel(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath card;
        card.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
        painter.fillPath(card, QColor(14, 18, 38, 205));
        painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
        painter.drawPath(card);
    }
};

QString backingStyle(int alpha)
{
    return QStringLiteral("QLabel { background-color: rgba(14, 18, 38, %1); color: white; padding: 3px 10px; }")
        .arg(alpha);
}

template <typename Control>
Control* named(Control* control, const char* name, const QString& tip)
{
    control->setObjectName(QLatin1String(name));
    if (!tip.isEmpty()) {
        control->setToolTip(tip);
        setStatusText(control, tip);
    }
    return control;
}

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption, const QString& tip)
{
    auto* button = named(new QPushButton(caption, parent), name, tip);
    button->setAutoDefault(false);
    // Roomier than a dialog's buttons: these are the screen's main choices.
    button->setMinimumHeight(button->fontMetrics().height() * 2);
    return button;
}

QLabel* heading(QWidget* parent, const char* name, const QString& text, const QString& tip)
{
    auto* label = named(new QLabel(text, parent), name, tip);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.1);
    label->setFont(bold);
    return label;
}

} // namespace

FrmTitle::FrmTitle(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmTitle"));
    registerProgramWindow(this);
    buildControls();
}

FrmTitle* FrmTitle::open()
{
    auto* form = new FrmTitle;  // retired when it closes
    form->Form_Load();
    form->show();
    return form;
}

QPushButton* FrmTitle::helpButton(int index) const
{
    if (index < 0 || index >= static_cast<int>(Help.size()))
        return nullptr;
    return Help[static_cast<std::size_t>(index)];
}

void FrmTitle::buildControls()
{
    QPalette night = palette();
    night.setColor(QPalette::Window, kNightBlue);
    setPalette(night);
    setAutoFillBackground(true);

    FXImage1 = new FXImage(this);
    FXImage1->setObjectName(QStringLiteral("FXImage1"));
    FXImage1->setFocusPolicy(Qt::NoFocus);
    FXImage1->setEffect(kBackdropEffect);
    FXImage1->setEffectSpeed(kBackdropSpeed);
    FXImage1->setEffectGrain(1);
    FXImage1->setVisible(false);
    connect(FXImage1, &FXImage::Notify, this, &FrmTitle::FXImage1_Notify);

    QWidget* panel = buildPanel();

    sitetext = new QLabel(this);
    sitetext->setObjectName(QStringLiteral("sitetext"));
    // The text comes from a file anyone can write: never read it as markup.
    sitetext->setTextFormat(Qt::PlainText);
    sitetext->setStyleSheet(backingStyle(170));
    sitetext->setVisible(false);

    statusLine = new QLabel(QStringLiteral(" "), this);
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusLine->setTextFormat(Qt::PlainText);
    statusLine->setStyleSheet(backingStyle(190));
    statusLine->setMinimumWidth(1);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(28, 28, 40, 16);
    middle->addStretch(1);
    middle->addWidget(panel, 0, Qt::AlignVCenter);
    auto* site = new QHBoxLayout;
    site->setContentsMargins(28, 0, 28, 12);
    site->addWidget(sitetext, 0, Qt::AlignLeft);
    site->addStretch(1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(middle, 1);
    outer->addLayout(site);
    outer->addWidget(statusLine);

    FXImage1->lower();
    installStatusLine(this, statusLine);
    nameControlsForAccessibility(this);
    // Keyboard users move through the controls in reading order.
    QWidget* order[] = {Option1, Option2, Combo1, SSCommand2, SSCommand4, SSCommand3, SSCommand1,
                        Help[0], Help[1], Help[2], Help[5]};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    fitToScreen();
}

// The picture's proportions where the screen has room, else as much as it has, but
// never less than the controls need.
void FrmTitle::fitToScreen()
{
    QSize size = kTitleSize;
    if (const QScreen* shownOn = screen(); shownOn != nullptr)
        size = size.boundedTo(shownOn->availableGeometry().size());
    setFixedSize(size.expandedTo(minimumSizeHint()));
}

QWidget* FrmTitle::buildPanel()
{
    auto* panel = new Panel(this);
    panel->setObjectName(QStringLiteral("panel"));
    QPalette light = panel->palette();
    light.setColor(QPalette::WindowText, QColor(246, 244, 252));
    panel->setPalette(light);

    auto* product = new QLabel(QStringLiteral("Quintavue"), panel);
    product->setObjectName(QStringLiteral("productName"));
    QFont large = product->font();
    large.setPointSizeF(large.pointSizeF() * 2.0);
    large.setBold(true);
    product->setFont(large);
    product->setAlignment(Qt::AlignHCenter);

    FXLabel6 = heading(panel, "FXLabel6", QStringLiteral("Slideshow Type"),
                       QStringLiteral("This Is Where You Choose What Type Of Slideshow To Design!"));
    Option1 = named(new QRadioButton(QStringLiteral("&Random"), panel), "Option1",
                    QStringLiteral("Random Slideshow - Choose Directories to Display Your Pictures And Sounds!"));
    Option2 = named(new QRadioButton(QStringLiteral("&Custom"), panel), "Option2",
                    QStringLiteral("Custom Slideshow - Where YOU Have Complete Control Over Your Presentation"));
    connect(Option1, &QRadioButton::clicked, this, &FrmTitle::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &FrmTitle::Option2_Click);

    FXLabel4 = heading(panel, "FXLabel4", QStringLiteral("Current Custom &Slideshow"), QString());
    Combo1 = named(new QComboBox(panel), "Combo1",
                   QStringLiteral("This Displays A List Of All Currently Saved CUSTOM Slideshows"));
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo1->setMinimumContentsLength(22);
    FXLabel4->setBuddy(Combo1);
    connect(Combo1, &QComboBox::activated, this, &FrmTitle::Combo1_Click);

    SSCommand2 = commandButton(panel, "SSCommand2", QStringLiteral("Edit &New Slide Show"),
                               QStringLiteral("Create A New Slideshow!"));
    SSCommand4 = commandButton(panel, "SSCommand4", QStringLiteral("&Edit Slide Show"),
                               QStringLiteral("Edit The Current Slideshow"));
    SSCommand3 = commandButton(panel, "SSCommand3", QStringLiteral("&View Slide Show"),
                               QStringLiteral("View The Current Slideshow"));
    SSCommand1 = commandButton(panel, "SSCommand1", QStringLiteral("&Delete Slide Show"),
                               QStringLiteral("Remove The Current Selected Slideshow From Your System"));
    connect(SSCommand2, &QPushButton::clicked, this, &FrmTitle::SSCommand2_Click);
    connect(SSCommand4, &QPushButton::clicked, this, &FrmTitle::SSCommand4_Click);
    connect(SSCommand3, &QPushButton::clicked, this, &FrmTitle::SSCommand3_Click);
    connect(SSCommand1, &QPushButton::clicked, this, &FrmTitle::SSCommand1_Click);

    struct HelpButton {
        int index;
        const char* name;
        const char* caption;
        const char* tip;
    };
    const HelpButton helpButtons[] = {
        {0, "Help_0", "&Help", "View The Quintavue Help File"},
        {1, "Help_1", "&Options", "Set Global Program Options"},
        {2, "Help_2", "&About", "Information About Quintavue"},
        {5, "Help_5", "E&xit", "Exit Quintavue"},
    };
    auto* helpRow = new QHBoxLayout;
    helpRow->setSpacing(6);
    for (const HelpButton& entry : helpButtons) {
        QPushButton* button = commandButton(panel, entry.name, QString::fromLatin1(entry.caption),
                                            QString::fromLatin1(entry.tip));
        Help[static_cast<std::size_t>(entry.index)] = button;
        const int index = entry.index;
        connect(button, &QPushButton::clicked, this, [this, index] { Help_Click(index); });
        helpRow->addWidget(button);
    }
    // F1 opens the help here as in every other window.
    new QShortcut(QKeySequence::HelpContents, this, this, [this] { Help_Click(0); });

    auto* kinds = new QHBoxLayout;
    kinds->setContentsMargins(8, 0, 0, 0);
    kinds->setSpacing(24);
    kinds->addWidget(Option1);
    kinds->addWidget(Option2);
    kinds->addStretch(1);

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(22, 18, 22, 20);
    column->setSpacing(6);
    column->addWidget(product);
    column->addSpacing(10);
    column->addWidget(FXLabel6);
    column->addLayout(kinds);
    column->addSpacing(10);
    column->addWidget(FXLabel4);
    column->addWidget(Combo1);
    column->addSpacing(14);
    for (QPushButton* button : {SSCommand2, SSCommand4, SSCommand3, SSCommand1})
        column->addWidget(button);
    column->addSpacing(16);
    column->addLayout(helpRow);
    return panel;
}

void FrmTitle::Form_Load()
{
    centre_on_screen(this);
    ListShowFiles();
    update_buttons();
    setWindowTitle(QStringLiteral("Quintavue v") + programVersionText());
    configUiState().siteText =
        readSiteText(globalSettings().slideshowPath + QStringLiteral("data.sld"));
    FXImage1->load(titlePicturePath());
}

void FrmTitle::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Without a window manager nobody else gives the new window the focus.
    activateWindow();
    // A desktop that keeps new windows from taking the focus would leave the splash
    // over this window until the user clicked it.
    QTimer::singleShot(std::chrono::seconds(3), this, [] { loading::closeIfOpen(); });
}

void FrmTitle::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || activationQueued_)
        return;
    // Activation runs events of its own: not inside the window system's notification.
    activationQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        activationQueued_ = false;
        Form_Activate();
    });
}

void FrmTitle::Form_Activate()
{
    if (activating_ || closing_)
        return;
    activating_ = true;
    loading::closeIfOpen();
    wait_seconds(0);
    // The desktop's own screen saver must not start over the configuration.
    screen_saver_off();
    FXImage1->setGeometry(rect());
    let_events_run();
    if (!closing_ && !FXImage1->isVisible())
        FXImage1->setVisible(true);
    show_pointer();
    activating_ = false;
}

void FrmTitle::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FXImage1->setGeometry(rect());
}

void FrmTitle::FXImage1_Notify()
{
    const QString& text = configUiState().siteText;
    if (text.isEmpty())
        return;
    sitetext->setText(text);
    sitetext->setVisible(true);
    sitetext->raise();
}

void FrmTitle::ListShowFiles()
{
    const ShowFileListing listing = qv::ListShowFiles();
    Combo1->clear();
    for (const QString& name : listing.names)
        Combo1->addItem(displayFileName(name), name);
    Combo1->setCurrentIndex(listing.selectedIndex);
}

void FrmTitle::showButtons(const TitleButtons& buttons)
{
    if (buttons.randomChosen)
        Option1->setChecked(true);
    else
        Option2->setChecked(true);
    SSCommand2->setEnabled(buttons.editNew);
    SSCommand4->setEnabled(buttons.edit);
    SSCommand3->setEnabled(buttons.view);
    SSCommand1->setEnabled(buttons.remove);
}

void FrmTitle::update_buttons()
{
    showButtons(settledButtons(globalSettings()));
    let_events_run();
    let_events_run();
}

void FrmTitle::Option1_Click()
{
    showButtons(randomChosen(globalSettings()));
    let_events_run();
}

void FrmTitle::Option2_Click()
{
    showButtons(customChosen(globalSettings()));
    let_events_run();
}

void FrmTitle::Combo1_Click(int index)
{
    if (index < 0)
        return;
    const TitleButtons buttons = showPicked(globalSettings(), Combo1->itemData(index).toString());
    let_events_run();
    showButtons(buttons);
}

void FrmTitle::SSCommand1_Click()
{
    if (busy_)
        return;
    busy_ = true;
    const MessageAnswer answer = showMessage(Message{QStringLiteral("Are you sure?"), QStringLiteral("Delete Slideshow"),
                                                     MessageButtons::YesNo, MessageIcon::Critical, MessageAnswer::No});
    if (answer == MessageAnswer::Yes)
        deleteActiveShow(globalSettings(), configUiState().savedShowName);
    let_events_run();
    ListShowFiles();
    update_buttons();
    busy_ = false;
}

// The editor and the random setup run on their own while this window waits hidden;
// they clear `editorOpen` when they close.
void FrmTitle::waitForEditor()
{
    if (configUiState().editorOpen)
        hide();
    let_events_run_until([] { return !configUiState().editorOpen; });
}

void FrmTitle::SSCommand2_Click()
{
    if (busy_)
        return;
    busy_ = true;
    SetBusyPointer();
    let_events_run();
    wait_seconds(0);
    GlobalSettings& settings = globalSettings();
    configUiState().savedShowName = settings.activeCss;
    settings.activeCss = QStringLiteral("NEW EDIT");
    configUiState().editorOpen = true;
    open_custom_show_editor();
    SetNormalPointer();
    comeBackFromEditor(true);
}

void FrmTitle::SSCommand4_Click()
{
    if (busy_)
        return;
    busy_ = true;
    const bool random = globalSettings().randomFlag == 1;
    // Cancelling the editor returns to the show that was active when it opened.
    if (!random)
        configUiState().savedShowName = globalSettings().activeCss;
    configUiState().editorOpen = true;
    if (random)
        open_random_setup();
    else
        open_custom_show_editor();
    comeBackFromEditor(!random);
}

void FrmTitle::comeBackFromEditor(bool showsMayHaveChanged)
{
    waitForEditor();
    if (showsMayHaveChanged) {
        let_events_run();
        ListShowFiles();
        let_events_run();
    }
    if (!closing_)
        show();
    update_buttons();
    busy_ = false;
}

void FrmTitle::SSCommand3_Click()
{
    if (busy_)
        return;
    busy_ = true;
    let_events_run();
    save_settings();
    wait_seconds(0);
    run_test_show();
    // Keyboard users carry on here once the show has gone.
    if (!closing_)
        activateWindow();
    busy_ = false;
}

void FrmTitle::Help_Click(int index)
{
    QPushButton* button = helpButton(index);
    if (button == nullptr || busy_)
        return;
    busy_ = true;
    button->setEnabled(false);
    let_events_run();
    switch (index) {
    case 0:
        open_help(QStringLiteral("Contents"));
        break;
    case 1:
        open_global_options(this);
        break;
    case 2:
        FrmAbout::showModal(this);
        break;
    case 5:
        // A failed save has said why; the window stays so the choices are not lost.
        if (save_settings() != 0)
            break;
        screen_saver_on();
        let_events_run();
        busy_ = false;
        close();
        return;
    default:
        break;
    }
    button->setEnabled(true);
    let_events_run();
    busy_ = false;
}

void FrmTitle::closeEvent(QCloseEvent* event)
{
    if (!closing_) {
        closing_ = true;
        loading::closeIfOpen();
        SetNormalPointer();
        retireProgramWindow(this);
    }
    event->accept();
}

} // namespace qv
