// Keys, clicks and mouse jumps turn into requests; the password prompt guards the
// end of a screen saver; the window closes in order.
#include "engine/qvtour52.h"

#include "components/picture/fx_image.h"
#include "components/platform/keyboard_layout.h"
#include "engine/daemon_window_watch.h"
#include "engine/password_match.h"
#include "engine/screen_view.h"
#include "engine/show_state.h"
#include "engine/show_timing.h"
#include "settings/global_settings.h"
#include "startup/program_windows.h"
#include "startup/shared_routines.h"
#include "startup/startup_state.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace qv {
namespace {

// Positions are compared in twips, the units the tolerance is given in: 300 twips
// are 20 pixels on a common screen, a jump no resting hand makes.
QPoint inTwips(QPoint pixels)
{
    const StartupState& state = startupState();
    return QPoint(pixels.x() * state.twipsPerPixelX, pixels.y() * state.twipsPerPixelY);
}

bool presentationMode() { return globalSettings().presentationMode.toInt() == 1; }

} // namespace

void qvtour52::buildPasswordPrompt()
{
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Frame1->setLineWidth(2);
    Frame1->setAutoFillBackground(true);
    // The desktop's own colours, every role spelt out: a role left unset would be
    // taken from the show window, whose black would swallow the prompt's texts.
    const QPalette desktop = QApplication::palette();
    QPalette panel;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            panel.setBrush(g, r, desktop.brush(g, r));
        }
    Frame1->setPalette(panel);
    Frame1->setCursor(Qt::ArrowCursor);
    auto* layout = new QGridLayout(Frame1);
    layout->setContentsMargins(18, 14, 18, 14);
    auto* caption = new QLabel(QStringLiteral("Slide Show Screen Saver"), Frame1);
    QFont bold = caption->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    caption->setFont(bold);
    Label1 = new QLabel(QStringLiteral("This screen saver is password protected. Please enter a valid password."), Frame1);
    Label1->setWordWrap(true);
    Text1 = new QLineEdit(Frame1);
    Text1->setEchoMode(QLineEdit::Password);
    Command1 = new QPushButton(QStringLiteral("&Ok"), Frame1);
    Command2 = new QPushButton(QStringLiteral("&Cancel"), Frame1);
    Label2 = new QLabel(QStringLiteral("Invalid password!"), Frame1);
    // Red that reads on the panel, light or dark as the desktop has it.
    QPalette warning = panel;
    warning.setColor(QPalette::WindowText, panel.color(QPalette::Window).lightness() < 128 ? QColor(255, 130, 130)
                                                                                            : QColor(170, 0, 0));
    Label2->setPalette(warning);
    // Its room is kept while it is hidden, so the prompt never has to grow for it.
    QSizePolicy keepRoom = Label2->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    Label2->setSizePolicy(keepRoom);
    QFont strong = Label2->font();
    strong.setBold(true);
    Label2->setFont(strong);
    layout->addWidget(caption, 0, 0, 1, 2);
    layout->addWidget(Label1, 1, 0, 1, 2);
    layout->addWidget(Text1, 2, 0, 1, 2);
    layout->addWidget(Label2, 3, 0, 1, 2);
    layout->addWidget(Command1, 4, 0);
    layout->addWidget(Command2, 4, 1);
    layout->setVerticalSpacing(8);
    Frame1->setFixedWidth(420);
    fitPasswordPrompt();
    Frame1->hide();

    connect(Text1, &QLineEdit::textChanged, this, &qvtour52::Text1_Change);
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(Qt::Key_Return); });
    connect(Command1, &QPushButton::clicked, this, &qvtour52::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &qvtour52::Command2_Click);
}

void qvtour52::keyPressEvent(QKeyEvent* event)
{
    // Inside a screen-saver daemon's window, input is the daemon's business.
    if (startupState().daemonWindow != 0)
        return;
    event->accept();
    // Keys the entry leaves alone come here; Escape answers the prompt as Cancel does.
    if (promptOpen_) {
        if (event->key() == Qt::Key_Escape)
            Command2_Click();
        return;
    }
    Form_KeyDown(event->key());
    if (!event->text().isEmpty())
        Form_KeyPress();
}

void qvtour52::Form_KeyDown(int) { requestQuit(); }

void qvtour52::Form_KeyPress()
{
    requestQuit();
    let_events_run();
}

void qvtour52::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (promptOpen_) {
        Text1->setFocus();
        return;
    }
    Form_Click();
}

void qvtour52::Form_Click() { showState().advanceRequested = true; }

void qvtour52::FXImage1_Click()
{
    if (!promptOpen_)
        showState().advanceRequested = true;
}

void qvtour52::mouseMoveEvent(QMouseEvent* event)
{
    if (startupState().daemonWindow != 0)
        return;
    // A movement over the picture reaches here too once the picture has passed it on;
    // it is the picture's alone, whose first movement after each new slide only counts
    // as a starting point.
    const QPoint at = event->position().toPoint();
    if (FXImage1->isVisible() && FXImage1->geometry().contains(at))
        return;
    Form_MouseMove(at.x(), at.y());
}

void qvtour52::Form_MouseMove(int x, int y)
{
    // While the prompt is up the mouse is there to reach its buttons.
    if (presentationMode() || promptOpen_)
        return;
    const QPoint at = inTwips(QPoint(x, y));
    if (showState().formMouse.moved(at.x(), at.y(), false))
        requestQuit();
}

void qvtour52::FXImage1_MouseMove(int, int, int x, int y)
{
    if (presentationMode() || startupState().daemonWindow != 0 || promptOpen_)
        return;
    const QPoint at = inTwips(QPoint(x, y));
    if (showState().imageMouse.moved(at.x(), at.y(), true)) {
        requestQuit();
        let_events_run();
    }
}

void qvtour52::forgetMousePositions()
{
    showState().formMouse.forget();
    showState().imageMouse.forget();
}

void qvtour52::end_show()
{
    ShowState& show = showState();
    const GlobalSettings& settings = globalSettings();
    Tick.stop();
    // A window closed from outside while a tick waited has nothing left to end, and a
    // prompt already up keeps what has been typed into it.
    if (closing_ || promptOpen_)
        return;
    // The password prompt.
    if (show.usePassword != 0 && !settings.screenSaverPassword.isEmpty() && !show.passwordAccepted) {
        Text1->clear();
        show_pointer();
        let_events_run();
        Label2->hide();
        Timer1.setInterval(showTiming().passwordTimeoutMs);
        Timer1.start();
        let_events_run();
        FXImage1->setEffect(0);
        promptOpen_ = true;
        // A click on the show must not take the keyboard away from the entry.
        setFocusPolicy(Qt::NoFocus);
        placePasswordPrompt(windowUnderThePointer());
        Text1->setFocus();
        let_events_run();
        show.quitRequested = false;
        forgetMousePositions();
        let_events_run();
        return;
    }
    // The orderly end.
    finishShow(true);
}

void qvtour52::finishShow(bool pauseBeforeClosing)
{
    if (closing_)
        return;
    show_pointer();
    let_events_run();
    let_events_run();
    stopPlayer(FXSnd1);
    stopPlayer(FXSnd2);
    let_events_run();
    if (pauseBeforeClosing)
        wait_seconds(showTiming().closingPauseSeconds);
    screen_saver_on();
    showRunning() = false;
    close();
}

void qvtour52::endWithoutPassword()
{
    Tick.stop();
    Timer1.stop();
    finishShow(false);
}

void qvtour52::Text1_Change()
{
    ShowState& show = showState();
    Label2->hide();
    // The layout is asked once: the entry changes with every key.
    if (!passwordLayout_)
        passwordLayout_ = std::make_unique<KeyboardLayout>(KeyboardLayout::current());
    if (!typedPasswordMatches(Text1->text(), globalSettings().screenSaverPassword, *passwordLayout_))
        return;
    Timer1.stop();
    show.passwordAccepted = true;
    closePasswordPrompt();
    let_events_run();
    show.quitRequested = true;
    let_events_run();
    enableTick();
    hide_pointer();
    let_events_run();
    let_events_run();
}

void qvtour52::Text1_KeyPress(int keyCode)
{
    if (keyCode != Qt::Key_Return && keyCode != Qt::Key_Enter)
        return;
    let_events_run();
    Command1_Click();
}

void qvtour52::Command1_Click()
{
    Text1->clear();
    let_events_run();
    Label2->show();
    let_events_run();
}

void qvtour52::Command2_Click()
{
    ShowState& show = showState();
    Timer1.stop();
    closePasswordPrompt();
    show.quitRequested = false;
    show.passwordAccepted = false;
    FXImage1->setCancelMode(globalSettings().cmode);
    show.readyForNext = true;
    show.slideBusy = false;
    // A slide change the prompt cut short starts anew; one still drawing finishes.
    if (!FXImage1->isDrawing())
        slideClock_.resumed();
    let_events_run();
    forgetMousePositions();
    enableTick();
    if (startupState().testSwitch == 0) {
        hide_pointer();
        grabInput();
    }
    setFocus();
    let_events_run();
}

void qvtour52::Timer1_Timer() { Command2_Click(); }

// The show's window on the screen that holds the pointer: the person is looking there.
QWidget* qvtour52::windowUnderThePointer()
{
    const QScreen* pointerScreen = QGuiApplication::screenAt(QCursor::pos());
    for (const auto& view : views_)
        if (view->coveredScreen() == pointerScreen && view->isVisible())
            return view.get();
    return this;
}

// The prompt, centred on `host`, which takes the keyboard and the pointer for it;
// the other screens stand still.
void qvtour52::placePasswordPrompt(QWidget* host)
{
    if (Frame1->parentWidget() != host)
        Frame1->setParent(host);
    fitPasswordPrompt();
    Frame1->move(host->width() / 2 - Frame1->width() / 2, host->height() / 2 - Frame1->height() / 2);
    if (!promptOpen_)
        return;
    Frame1->show();
    Frame1->raise();
    host->activateWindow();
    Text1->setFocus();
    if (grabHost_ != host) {
        const bool grabbed = inputGrabbed_;
        releaseInput();
        grabHost_ = host;
        if (grabbed)
            grabInput();
    }
}

// The message wraps: the prompt takes the height its lines need at its width, which
// a plain size hint underestimates.
void qvtour52::fitPasswordPrompt()
{
    Frame1->setFixedHeight(Frame1->layout()->totalHeightForWidth(Frame1->width()));
}

void qvtour52::closePasswordPrompt()
{
    Frame1->hide();
    promptOpen_ = false;
    setFocusPolicy(Qt::StrongFocus);
}

void qvtour52::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void qvtour52::Form_Unload()
{
    if (closing_)
        return;
    closing_ = true;
    let_events_run();
    Tick.stop();
    let_events_run();
    Timer1.stop();
    daemonWatch_.reset();
    let_events_run();
    releaseInput();
    // The next show may start as soon as this one is gone from the screen.
    runningMarker_.reset();
    stopPlayer(FXSnd1);
    stopPlayer(FXSnd2);
    showRunning() = false;
    for (auto& view : views_)
        retireView(std::move(view));
    views_.clear();
    retireProgramWindow(this);
    let_events_run();
}

// While a screen saver runs, this window takes the keyboard and the pointer, so no
// key or click reaches another program until the show has ended, the password prompt
// included: what is typed there goes to the prompt and nowhere else. The grab is that
// of the window rather than of one widget, so the prompt's own buttons still get
// their clicks. A window manager maps the window some time after it is shown, and the
// server refuses a grab on a window not yet viewable, so the grab is tried until it
// holds, for a few seconds at most.
void qvtour52::grabInput()
{
    if (inputGrabbed_ || QGuiApplication::platformName() != QStringLiteral("xcb"))
        return;
    grabAttempts_ = 0;
    grabRetry_.start(50);
    tryToGrabInput();
}

void qvtour52::tryToGrabInput()
{
    QWindow* const window = grabHost_ != nullptr ? grabHost_->windowHandle() : windowHandle();
    if (closing_ || inputGrabbed_ || window == nullptr || ++grabAttempts_ > 100) {
        grabRetry_.stop();
        return;
    }
    if (!window->isExposed())
        return;
    const bool keyboard = window->setKeyboardGrabEnabled(true);
    const bool pointer = keyboard && window->setMouseGrabEnabled(true);
    if (!pointer) {
        if (keyboard)
            window->setKeyboardGrabEnabled(false);
        return;
    }
    inputGrabbed_ = true;
    grabRetry_.stop();
    (grabHost_ != nullptr ? grabHost_.data() : this)->activateWindow();
}

void qvtour52::releaseInput()
{
    grabRetry_.stop();
    if (!inputGrabbed_)
        return;
    if (QWindow* const window = grabHost_ != nullptr ? grabHost_->windowHandle() : windowHandle()) {
        window->setKeyboardGrabEnabled(false);
        window->setMouseGrabEnabled(false);
    }
    inputGrabbed_ = false;
}

} // namespace qv
