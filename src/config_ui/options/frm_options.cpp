#include "config_ui/options/frm_options.h"

#include "components/platform/message_box.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/options/dialog_flags.h"
#include "config_ui/common/help.h"
#include "config_ui/common/status_line.h"
#include "config_ui/common/window_openers.h"
#include "config_ui/common/window_placement.h"
#include "config_ui/options/dspeed.h"
#include "settings/global_settings.h"
#include "startup/shared_routines.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace qv {
namespace {

void warn(const QString& title, const QString& text)
{
    showMessage(Message{text, title, MessageButtons::Ok, MessageIcon::Warning, MessageAnswer::Ok});
}

QGroupBox* addFrame(const char* name, const QString& caption, QWidget* parent, const QString& status)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    auto* column = new QVBoxLayout;
    column->setAlignment(Qt::AlignTop);
    frame->setLayout(column);
    setStatusText(frame, status);
    return frame;
}

} // namespace

void DissolveBlockButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool completes = event->button() == Qt::LeftButton && isDown() && hitButton(event->position().toPoint());
    QRadioButton::mouseReleaseEvent(event);
    if (completes)
        emit pressCompleted();
}

void DissolveBlockButton::keyReleaseEvent(QKeyEvent* event)
{
    const bool completes = event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown();
    QRadioButton::keyReleaseEvent(event);
    if (completes)
        emit pressCompleted();
}

frmoptions::frmoptions(QWidget* parent) : QDialog(parent, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("frmoptions"));
    setWindowTitle(QStringLiteral("Global Options"));
    buildControls();
    Form_Load();
}

void frmoptions::openModal(QWidget* parent)
{
    frmoptions window(parent);
    // Not exec(): "Edit Border" hides this window meanwhile, and hiding a dialog ends
    // its exec(). The loop ends only when the window is done (Ok, close box, Escape).
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    window.show();
    loop.exec();
}

QRadioButton* frmoptions::addOption(QWidget* box, const char* name, const QString& caption, const QString& status,
                                    Click click)
{
    auto* option = new QRadioButton(caption, box);
    option->setObjectName(QLatin1String(name));
    setStatusText(option, status);
    box->layout()->addWidget(option);
    wire(option, click);
    return option;
}

void frmoptions::wire(QRadioButton* option, Click click)
{
    clicks_[option] = click;
    // A change of selection, by mouse or arrow keys; a click on the button already
    // chosen changes nothing and says nothing.
    connect(option, &QRadioButton::toggled, this, [this, click](bool on) {
        if (on)
            (this->*click)();
    });
}

void frmoptions::buildControls()
{
    auto* size = new QGroupBox(QStringLiteral("Picture si&ze on screen"), this);
    size->setObjectName(QStringLiteral("SizeFrame"));
    auto* sizeLayout = new QHBoxLayout(size);
    Slider1 = new QSlider(Qt::Horizontal, size);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setRange(0, 9);
    Slider1->setPageStep(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setValue(9);
    Slider1->setAccessibleName(QStringLiteral("Picture size on screen"));
    Label1 = new QLabel(QStringLiteral("%100"), size);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance(QStringLiteral("%1000")));
    sizeLayout->addWidget(Slider1, 1);
    sizeLayout->addWidget(Label1);
    const QString sizeStatus = QStringLiteral("How much of the screen a picture may fill during the show, in percent");
    setStatusText(size, sizeStatus);

    QGroupBox* Frame5 = addFrame("Frame5", QStringLiteral("S&cale pictures to screen"), this,
                                 QStringLiteral("Whether pictures are scaled to fill the screen or shown at their own size"));
    Option10 = addOption(Frame5, "Option10", QStringLiteral("Off"), QStringLiteral("Show pictures at their own size"),
                         &frmoptions::Option10_Click);
    Option11 = addOption(Frame5, "Option11", QStringLiteral("On"), QStringLiteral("Scale pictures to fit the screen"),
                         &frmoptions::Option11_Click);

    QGroupBox* Frame1 = addFrame("Frame1", QStringLiteral("Effect &Granularity"), this,
                                 QStringLiteral("How finely the picture effects are drawn"));
    Option2 = addOption(Frame1, "Option2", QStringLiteral("Normal"), QStringLiteral("Draw picture effects in normal steps"),
                        &frmoptions::Option2_Click);
    Option1 = addOption(Frame1, "Option1", QStringLiteral("Super fine"),
                        QStringLiteral("Draw picture effects in very fine steps (smoother, but hard on some displays)"),
                        &frmoptions::Option1_Click);

    QGroupBox* Frame3 = addFrame("Frame3", QStringLiteral("Picture &Dissolve"), this,
                                 QStringLiteral("How the previous picture is taken away before the next one comes in"));
    Option5 = addOption(Frame3, "Option5", QStringLiteral("Off"), QStringLiteral("Leave the previous picture until the next covers it"),
                        &frmoptions::Option5_Click);
    Option6 = new DissolveBlockButton(QStringLiteral("Block"), Frame3);
    Option6->setObjectName(QStringLiteral("Option6"));
    setStatusText(Option6, QStringLiteral("Dissolve the previous picture in blocks; click (or press Space) to set the speed"));
    Frame3->layout()->addWidget(Option6);
    wire(Option6, &frmoptions::Option6_Click);
    Option7 = addOption(Frame3, "Option7", QStringLiteral("Effect"), QStringLiteral("Take the previous picture away with an effect"),
                        &frmoptions::Option7_Click);

    QGroupBox* Frame2 = addFrame("Frame2", QStringLiteral("Prese&ntation Mode"), this,
                                 QStringLiteral("Presentation mode: a click shows the next slide, no password is asked"));
    Option3 = addOption(Frame2, "Option3", QStringLiteral("Off"), QStringLiteral("Behave as a screen saver"),
                        &frmoptions::Option3_Click);
    Option4 = addOption(Frame2, "Option4", QStringLiteral("On"),
                        QStringLiteral("Behave as a presentation: a click shows the next slide, any key ends the show"),
                        &frmoptions::Option4_Click);

    QGroupBox* Frame4 = addFrame("Frame4", QStringLiteral("Custom Slide Show &Method"), this,
                                 QStringLiteral("The order in which a custom slide show plays its slides"));
    Option8 = addOption(Frame4, "Option8", QStringLiteral("Sequential"), QStringLiteral("Play the slides in their order"),
                        &frmoptions::Option8_Click);
    Option9 = addOption(Frame4, "Option9", QStringLiteral("Random"), QStringLiteral("Play the slides in a random order"),
                        &frmoptions::Option9_Click);

    QGroupBox* Frame6 = addFrame("Frame6", QStringLiteral("Play Custom &Audio Files:"), this,
                                 QStringLiteral("How the sounds of a custom slide show are played"));
    Option12 = addOption(Frame6, "Option12", QStringLiteral("Together"), QStringLiteral("Let a slide's sound play on into the next slide's"),
                         &frmoptions::Option12_Click);
    Option13 = addOption(Frame6, "Option13", QStringLiteral("Separate"), QStringLiteral("Stop a slide's sound when the next slide comes"),
                         &frmoptions::Option13_Click);

    QGroupBox* Frame7 = addFrame("Frame7", QStringLiteral("&Screens"), this,
                                 QStringLiteral("Which screens show the slide show"));
    Option16 = addOption(Frame7, "Option16", QStringLiteral("Every screen"),
                         QStringLiteral("Show the slide show on every screen"), &frmoptions::Option16_Click);
    Option17 = addOption(Frame7, "Option17", QStringLiteral("Main screen only"),
                         QStringLiteral("Show the slide show on the main screen only and keep the others black"),
                         &frmoptions::Option17_Click);

    auto* cancelBox = new QWidget(this);
    cancelBox->setObjectName(QStringLiteral("CancelModeBox"));
    auto* cancelLayout = new QHBoxLayout(cancelBox);
    cancelLayout->setContentsMargins(0, 0, 0, 0);
    auto* Label2 = new QLabel(QStringLiteral("Cancel effect during slideshow when:"), cancelBox);
    Label2->setObjectName(QStringLiteral("Label2"));
    cancelLayout->addWidget(Label2);
    Option14 = addOption(cancelBox, "Option14", QStringLiteral("&Key is pressed"),
                         QStringLiteral("Only a key press cuts a picture effect short"), &frmoptions::Option14_Click);
    Option15 = addOption(cancelBox, "Option15", QStringLiteral("Mo&use is moved"),
                         QStringLiteral("A key press or a move of the mouse cuts a picture effect short"),
                         &frmoptions::Option15_Click);
    cancelLayout->addStretch(1);

    Check1 = new QCheckBox(QStringLiteral("Show borde&r during slideshow"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    setStatusText(Check1, QStringLiteral("Draw the border designed with Edit Border around every picture"));

    SSCommand1 = new QPushButton(QStringLiteral("&Help"), this);
    SSCommand2 = new QPushButton(QStringLiteral("Edit &Border"), this);
    SSCommand4 = new QPushButton(QStringLiteral("Edit &Password"), this);
    SSCommand3 = new QPushButton(QStringLiteral("&Ok"), this);
    SSCommand1->setObjectName(QStringLiteral("SSCommand1"));
    SSCommand2->setObjectName(QStringLiteral("SSCommand2"));
    SSCommand3->setObjectName(QStringLiteral("SSCommand3"));
    SSCommand4->setObjectName(QStringLiteral("SSCommand4"));
    SSCommand3->setDefault(true);
    setStatusText(SSCommand1, QStringLiteral("Explain the global options"));
    setStatusText(SSCommand2, QStringLiteral("Design the border drawn around the pictures"));
    setStatusText(SSCommand4, QStringLiteral("Set the password the screen saver asks for"));
    setStatusText(SSCommand3, QStringLiteral("Store the options and close this window"));

    auto* statusLine = new QLabel(QStringLiteral(" "), this);
    statusLine->setObjectName(QStringLiteral("StatusLine"));
    statusLine->setFrameShape(QFrame::StyledPanel);
    statusLine->setFrameShadow(QFrame::Sunken);
    statusLine->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->addWidget(size, 0, 0, 1, 2);
    grid->addWidget(Frame5, 1, 0);
    grid->addWidget(Frame1, 1, 1);
    grid->addWidget(Frame3, 2, 0);
    grid->addWidget(Frame2, 2, 1);
    grid->addWidget(Frame4, 3, 0);
    grid->addWidget(Frame6, 3, 1);
    grid->addWidget(Frame7, 4, 0);
    grid->addWidget(cancelBox, 5, 0, 1, 2);
    grid->addWidget(Check1, 6, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SSCommand1);
    buttons->addStretch(1);
    buttons->addWidget(SSCommand2);
    buttons->addWidget(SSCommand4);
    buttons->addWidget(SSCommand3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(statusLine);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Option6, &DissolveBlockButton::pressCompleted, this, &frmoptions::Option6_MouseUp);
    connect(Slider1, &QSlider::valueChanged, this, &frmoptions::Slider1_Change);
    connect(SSCommand1, &QPushButton::clicked, this, &frmoptions::SSCommand1_Click);
    connect(SSCommand2, &QPushButton::clicked, this, &frmoptions::SSCommand2_Click);
    connect(SSCommand3, &QPushButton::clicked, this, &frmoptions::SSCommand3_Click);
    connect(SSCommand4, &QPushButton::clicked, this, &frmoptions::SSCommand4_Click);

    new QShortcut(QKeySequence::HelpContents, this, this, &frmoptions::SSCommand1_Click);
    installStatusLine(this, statusLine);
    nameControlsForAccessibility(this);
}

void frmoptions::select(QRadioButton* option)
{
    {
        // Its click handling runs once, below, whether or not the choice changes.
        const QSignalBlocker quiet(option);
        option->setChecked(true);
    }
    (this->*clicks_.at(option))();
}

void frmoptions::Form_Load()
{
    Loading = true;
    GlobalSettings& s = globalSettings();
    adjustSize();
    centre_on_screen(this);

    select(s.mgrainMode == 1 ? Option1 : Option2);
    select(s.presentationMode.number() == 1 ? Option4 : Option3);
    Check1->setChecked(s.showBorder == 1);

    if (s.screenPercent.number() < 10)
        s.screenPercent = 10;
    // A stored size between the steps, or beyond them, opens at the nearest step; the
    // change handling then makes the setting what the slider shows.
    const double position = std::nearbyint(s.screenPercent.number() / 10.0 - 1.0);
    Slider1->blockSignals(true);
    Slider1->setValue(static_cast<int>(std::clamp(position, 0.0, 9.0)));
    Slider1->blockSignals(false);
    Slider1_Change();

    select(s.scaleFlag == 1 ? Option11 : Option10);
    // A dissolve or cancel mode only a hand-edited store holds leaves its group without a choice.
    const std::array<QRadioButton*, 3> dissolves{Option5, Option6, Option7};
    if (s.cDissolve >= 0 && s.cDissolve < 3)
        select(dissolves.at(static_cast<std::size_t>(s.cDissolve)));
    RandomNoticeOff = s.cRandom.number() == 1;
    select(RandomNoticeOff ? Option9 : Option8);
    select(s.cblend != 1 ? Option13 : Option12);
    select(s.screens == 1 ? Option17 : Option16);
    if (s.cmode == 4 || s.cmode == 9)
        select(s.cmode == 4 ? Option14 : Option15);

    Loading = false;
}

void frmoptions::Option1_Click()
{
    globalSettings().mgrainMode = 1;
    if (!Loading)
        warn(QStringLiteral("Super Fine Mode"),
             QStringLiteral("Warning! While Super Fine mode does allow smoother graphic effects it can also cause some "
                            "video drivers to cause the system to hang or lock up. See the HELP file for more "
                            "information."));
}

void frmoptions::Option2_Click() { globalSettings().mgrainMode = 0; }
void frmoptions::Option3_Click() { globalSettings().presentationMode = 0; }
void frmoptions::Option4_Click() { globalSettings().presentationMode = 1; }
void frmoptions::Option5_Click() { globalSettings().cDissolve = 0; }
void frmoptions::Option7_Click() { globalSettings().cDissolve = 2; }

// Selecting "Block" by any means makes it the dissolve; only a completed press on it
// (mouse or Space) asks for its speed, so moving through the group with the arrow
// keys never pops a window up.
void frmoptions::Option6_Click() { globalSettings().cDissolve = 1; }

void frmoptions::Option6_MouseUp()
{
    Option6->setEnabled(false);
    let_events_run();
    globalSettings().cDissolve = 1;
    if (!Loading)
        dspeed::openModal(this);
    Option6->setEnabled(true);
    Option6->setFocus();
    let_events_run();
}

void frmoptions::Option8_Click() { globalSettings().cRandom = 0; }

void frmoptions::Option9_Click()
{
    globalSettings().cRandom = 1;
    if (RandomNoticeOff) {
        RandomNoticeOff = false;
        return;
    }
    warn(QStringLiteral("Randomize Custom Slide Show"),
         QStringLiteral("Slides will be shown in a RANDOM order during the CUSTOM slide show."));
}

void frmoptions::Option10_Click() { globalSettings().scaleFlag = 0; }
void frmoptions::Option11_Click() { globalSettings().scaleFlag = 1; }
void frmoptions::Option12_Click() { globalSettings().cblend = 1; }
void frmoptions::Option13_Click() { globalSettings().cblend = 0; }
void frmoptions::Option16_Click() { globalSettings().screens = 0; }
void frmoptions::Option17_Click() { globalSettings().screens = 1; }
void frmoptions::Option14_Click() { cancelModeChanged(4); }
void frmoptions::Option15_Click() { cancelModeChanged(9); }

void frmoptions::cancelModeChanged(int mode)
{
    globalSettings().cmode = static_cast<std::int16_t>(mode);
    if (!Loading)
        warn(QStringLiteral("Cancel Effect Mode"),
             QStringLiteral("Some computers experience a problem because they issue an inadvertent mouse move which "
                            "cancels the displaying of the picture effect. If Quintavue is not displaying your "
                            "pictures with the effects you have chosen, you should select the KEY PRESS option. This "
                            "will tell Quintavue to only cancel the picture effect if a key is pressed and not if the "
                            "mouse is moved. (You will still be able to exit the screen saver by moving the mouse "
                            "AFTER the picture effect is done drawing)."));
}

void frmoptions::Slider1_Change()
{
    GlobalSettings& s = globalSettings();
    s.screenPercent = (Slider1->value() + 1) * 10;
    Label1->setText(QStringLiteral("%") + s.screenPercent.text());
}

void frmoptions::SSCommand1_Click() { open_help(QStringLiteral("Global Options")); }

void frmoptions::SSCommand2_Click()
{
    hide();
    open_border_designer(this);
    show();
    let_events_run();
}

void frmoptions::SSCommand4_Click()
{
    open_password_dialog(this);
    let_events_run();
}

void frmoptions::SSCommand3_Click()
{
    globalSettings().showBorder = Check1->isChecked() ? 1 : 0;
    // A save that failed has said why; the window stays open so the user can retry.
    if (save_settings() != 0)
        return;
    let_events_run();
    accept();
}

} // namespace qv
