#include "engine/qvtour52.h"

#include "components/label/font_substitutions.h"
#include "components/picture/fx_image.h"
#include "components/platform/desktop_settings.h"
#include "components/platform/keyboard_layout.h"
#include "components/platform/foreign_windows.h"
#include "components/platform/termination_signals.h"
#include "engine/caption_effects.h"
#include "engine/daemon_window_watch.h"
#include "engine/screen_view.h"
#include "engine/show_clock.h"
#include "engine/show_state.h"
#include "engine/show_timing.h"
#include "engine/slide_look.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/custom_show_file.h"
#include "showdata/effect_catalogue.h"
#include "showdata/random_file_lists.h"
#include "showdata/random_show_config.h"
#include "showdata/random_show_config_file.h"
#include "showdata/random_source.h"
#include "showdata/scratch_files.h"
#include "startup/command_line.h"
#include "startup/event_waiting.h"
#include "startup/frm_no_files.h"
#include "startup/program_windows.h"
#include "startup/shared_routines.h"
#include "startup/startup_state.h"

#include "components/platform/message_box.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

ShowTiming& showTiming()
{
    static ShowTiming timing;
    return timing;
}

HiddenForm::HiddenForm() : probe(new FXImage(this)) {}

qvtour52::qvtour52(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(title());
    registerProgramWindow(this);
    installFontSubstitutions();
    buildControls();
}

qvtour52::~qvtour52()
{
    if (!closing_)
        Form_Unload();
    // A daemon's window would take this window's native window down with it.
    if (daemonWindow_ != nullptr && windowHandle() != nullptr)
        windowHandle()->setParent(nullptr);
}

qvtour52* qvtour52::open()
{
    auto* window = new qvtour52;  // retired when it closes
    window->Form_Load();
    return window;
}

void qvtour52::buildControls()
{
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::ArrowCursor);

    Tick.setInterval(showTiming().tickMs);
    connect(&Tick, &QTimer::timeout, this, &qvtour52::Tick_Timer);

    FXImage1 = new FXImage(this);
    FXImage1->setFocusPolicy(Qt::NoFocus);
    FXImage1->setMouseTracking(true);
    connect(FXImage1, &FXImage::Notify, this, &qvtour52::FXImage1_Notify);
    connect(FXImage1, &FXImage::Click, this, &qvtour52::FXImage1_Click);
    connect(FXImage1, &FXImage::MouseMove, this, &qvtour52::FXImage1_MouseMove);

    FXLabel1 = new FXLabel(this);
    styleCaption(*FXLabel1);
    connect(FXLabel1, &FXLabel::Notify, this, &qvtour52::FXLabel1_Notify);

    FXLabelBadFile = new FXLabel(this);
    FXLabelBadFile->setTransparentBackground(true);
    FXLabelBadFile->setForeColour(QColor(255, 210, 120));
    FXLabelBadFile->setAutoSize(true);
    FXLabelBadFile->setFocusPolicy(Qt::NoFocus);
    FXLabelBadFile->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(&FXSnd1, &FXSnd::Notify, this, &qvtour52::fxsnd1_Notify);
    connect(&FXSnd2, &FXSnd::Notify, this, &qvtour52::FXSnd2_Notify);

    connect(&grabRetry_, &QTimer::timeout, this, &qvtour52::tryToGrabInput);
    Timer1.setInterval(showTiming().passwordTimeoutMs);
    connect(&Timer1, &QTimer::timeout, this, &qvtour52::Timer1_Timer);
    buildPasswordPrompt();

    hiddenForm_ = std::make_unique<HiddenForm>();
}

void qvtour52::enableTick()
{
    // Handlers still unwinding after the window closed must not start it again, nor
    // may a caption ending under the password prompt bring the next slide over it.
    if (closing_ || promptOpen_)
        return;
    Tick.setInterval(showTiming().tickMs);
    Tick.start();
}

// Whole ticks from now until `seconds` have passed: at least one.
int qvtour52::ticksUntil(std::optional<double> seconds)
{
    const double tick = showTiming().tickMs / 1000.0;
    if (!seconds || *seconds <= tick)
        return 1;
    // A day at most, and never more than a timer can count.
    return static_cast<int>(std::ceil(std::min(*seconds, 86400.0) / tick - 1e-9));
}

// A request to end is carried out by the slide timer, which may be sleeping through
// a long delay: it is woken for it.
void qvtour52::requestQuit()
{
    showState().quitRequested = true;
    if (Tick.isActive() && Tick.interval() > showTiming().tickMs)
        Tick.start(0);
}

std::int32_t qvtour52::display_colors(const QWidget& window)
{
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    const int bits = screen != nullptr ? screen->depth() : 24;
    if (bits >= 31)
        return std::numeric_limits<std::int32_t>::max();
    return std::int32_t{1} << std::max(bits, 1);
}

void qvtour52::Form_Load()
{
    ShowState& show = showState();
    GlobalSettings& settings = globalSettings();
    const StartupState& startup = startupState();

    // The desktop's password switch. Inside a daemon's window the daemon locks, and
    // decides which shows run: such a show keeps no marker that would refuse another.
    const bool inDaemonWindow = startup.daemonWindow != 0;
    if (!inDaemonWindow)
        runningMarker_.emplace(title());
    show.usePassword = inDaemonWindow ? 0
                                      : static_cast<int>(leadingNumber(readDesktopSetting(
                                            QStringLiteral("Control Panel\\Desktop"),
                                            QStringLiteral("ScreenSaveUsePassword"))));
    // A screen saver is running: this window takes keyboard and pointer while it is
    // active (see grabInput), unless it is a test.
    // No sound plays yet and no password has been given.
    show.sound1Playing = false;
    show.sound2Playing = false;
    let_events_run();
    show.passwordAccepted = false;
    FirstPicture = true;
    // A presentation or a test run never asks for the password.
    if (settings.previewRun != 0 || settings.presentationMode.isTrue())
        settings.screenSaverPassword.clear();
    // Play orders, mouse memories and the effect and caption tables start afresh.
    show.pictureOrder.reset();
    show.soundOrder.reset();
    Tick.stop();
    show.formMouse = MouseJumpDetector(startup.mouseMoveTolerance);
    show.imageMouse = MouseJumpDetector(startup.mouseMoveTolerance);
    reset_show_state();
    let_events_run();
    BuildEffectCatalogue();
    show.firstSlide = true;
    show.readyForNext = true;
    init_label_effects();
    programRandom().reseedFromClock();
    const QScreen* const mainScreen = QGuiApplication::primaryScreen();
    show.mainScreenRandom = ScreenRandom(mainScreen != nullptr ? mainScreen->name() : QString());
    // Picture and caption stay hidden until the first slide.
    FXLabel1->hide();
    FXImage1->hide();
    FXImage1->setCancelMode(settings.cmode);
    // A bevel needs a width of at least 1; without one it is drawn flat.
    if (settings.innerBevelSize.number() < 1) {
        settings.innerBevelSize = 1;
        settings.innerBevelStyle = 0;
    }
    if (settings.outerBevelSize.number() < 1) {
        settings.outerBevelSize = 1;
        settings.outerBevelStyle = 0;
    }
    // A signal may come inside any wait (a message box, a picture decoding, a
    // presentation waiting for a click): the show is put away in order, then the
    // process ends from where it stands instead of unwinding every wait.
    onTerminationSignal([show = QPointer<qvtour52>(this)] {
        qvtour52* const alive = show.data();
        if (alive != nullptr && !alive->closing_)
            alive->endWithoutPassword();
        finish_program();
    });
    // The show data.
    if (settings.randomFlag == 1) {
        if (settings.previewRun == 0)
            restoreRandomConfigAfterInterruptedTest();
        LoadRandomShowConfig();
        BuildRandomFileLists();
    } else if (LoadCustomShow() != 0) {
        showMessage(customShowLoadName() + QStringLiteral(" was not able to be loaded!"));
        show.quitRequested = true;
    }
    // Nothing to show.
    if (customShow().pictureCount < 1) {
        show.quitRequested = true;
        show.usePassword = 0;
        frmNoFiles::showAndWait();
        enableTick();
        return;
    }
    // Pictures to show: the window takes the screen.
    FileIndex = 0;
    if (inDaemonWindow) {
        // The daemon is the screen saver here: it owns the screen, input and locking.
        drawInto(startup.daemonWindow);
        watchDaemonWindow();
        let_events_run();
        show.displayColorCount = display_colors(*this);
        enableTick();
        return;
    }
    coverTheScreens();
    let_events_run();
    show.displayColorCount = display_colors(*this);
    if (startup.testSwitch == 0) {
        raise();
        activateWindow();
        hide_pointer();
        grabInput();
    }
    // Holding the desktop's idle saver off also keeps the monitor lit and the machine
    // from suspending: right while someone watches on purpose (a presentation, a test
    // run), wrong while the show itself is the idle screen saver.
    if (settings.presentationMode.isTrue() || namesShowFile(startup.commandLine) || settings.previewRun != 0)
        screen_saver_off();
    enableTick();
}

// The show as a child of another program's window, covering its client area.
void qvtour52::drawInto(ForeignWindowId window)
{
    const QSize area = foreignClientSize(window);
    daemonWindow_.reset(QWindow::fromWinId(window));
    winId();
    if (daemonWindow_ != nullptr && windowHandle() != nullptr)
        windowHandle()->setParent(daemonWindow_.get());
    setGeometry(QRect(QPoint(0, 0), area.isValid() ? area : QSize(640, 480)));
    show();
}

// The daemon takes its window away when it is done with the show, at any moment:
// told apart from the slide timer, which may be stopped for a long wait.
void qvtour52::watchDaemonWindow()
{
    daemonWatch_ = std::make_unique<DaemonWindowWatch>(startupState().daemonWindow,
                                                       static_cast<ForeignWindowId>(winId()), [this] {
                                                           endWithoutPassword();
                                                           finish_program();
                                                       });
}

void qvtour52::getfileindex()
{
    const GlobalSettings& settings = globalSettings();
    const bool shuffled = settings.randomFlag == 1 || settings.cRandom.isTrue();
    ShowState& show = showState();
    FileIndex = show.pictureOrder.next(customShow().pictureCount, shuffled, show.mainScreenRandom.order);
}

// Loads the picture chosen next into the probe and reports it when it is unusable.
int qvtour52::probeCurrentPicture()
{
    lastProbeCode_ = hiddenForm_->probe->load(CurrentPicture);
    show_bad_picture(CurrentPicture, lastProbeCode_);
    return lastProbeCode_;
}

void qvtour52::Tick_Timer()
{
    ShowState& show = showState();
    const GlobalSettings& settings = globalSettings();
    CustomShow& table = customShow();
    // No click reaches a show inside a daemon's window: a presentation there moves on
    // by its own delays.
    const bool presentation = settings.presentationMode.toInt() == 1 && startupState().daemonWindow == 0;
    const bool randomShow = settings.randomFlag == 1;

    if (closing_)
        return;
    if (show.quitRequested) {
        Tick.stop();
        end_show();
        return;
    }
    // The slide on screen stands whole for its delay. While it stands, the timer
    // sleeps until the first tick that will find the delay over, as a ticking timer
    // would have found it; a request to end wakes it (see requestQuit).
    const int delay = randomShow ? randomShowConfig().delaySeconds : show.currentDelay;
    const double now = secondsNow();
    if (!slideClock_.dueForNext(now, delay)) {
        Tick.setInterval(ticksUntil(slideClock_.secondsUntilDue(now, delay)) * showTiming().tickMs);
        return;
    }
    Tick.setInterval(showTiming().tickMs);
    // A slide still being handled, or the next one not yet probed, waits for a later tick.
    if (show.slideBusy || !show.readyForNext)
        return;
    // This tick takes the next slide; the timer rests until it is drawn.
    show.readyForNext = false;
    Tick.stop();
    slideClock_.slideTaken();
    show.slideBusy = true;
    // The first picture that loads.
    if (show.firstSlide) {
        getfileindex();
        CurrentPicture = table.picture[static_cast<std::size_t>(FileIndex)];
        if (presentation)
            FXImage1->setCancelMode(settings.cmode);
        if (probeCurrentPicture() != 0) {
            slideClock_.reset();
            show.readyForNext = true;
            enableTick();
            show.slideBusy = false;
            if (show.quitRequested)
                end_show();
            return;
        }
    }
    // A presentation waits for a click.
    if (presentation && !show.firstSlide) {
        // Only events change these: the wait sleeps until one comes.
        let_events_run_until([this, &show] { return show.advanceRequested || show.quitRequested || closing_; },
                             std::chrono::minutes(10));
        show.advanceRequested = false;
        if (closing_)
            return;
    }
    show.firstSlide = false;
    // A presentation lends each custom slide 2 seconds for its own delay.
    const auto slot = static_cast<std::size_t>(FileIndex);
    if (!randomShow) {
        show.savedDelay = table.delay[slot];
        if (presentation)
            table.delay[slot] = 2;
    }
    // The slide itself, unless an end was asked for meanwhile.
    if (show.quitRequested) {
        end_show();
        return;
    }
    LOADSLIDE(CurrentPicture, randomShow ? randomShowConfig().delaySeconds : table.delay[slot]);
    if (!randomShow && slot < table.delay.size())
        table.delay[slot] = static_cast<std::int16_t>(show.savedDelay);
    if (closing_)
        return;
    if (show.quitRequested) {
        end_show();
        return;
    }
    // Look ahead: the next picture that loads.
    for (;;) {
        getfileindex();
        CurrentPicture = table.picture[static_cast<std::size_t>(FileIndex)];
        if (presentation)
            FXImage1->setCancelMode(settings.cmode);
        const int code = probeCurrentPicture();
        if (closing_)
            return;
        if (code == -8) {
            end_show();
            return;
        }
        if (code == 0)
            break;
        if (show.quitRequested) {
            end_show();
            return;
        }
    }
    show.readyForNext = true;
    show.slideBusy = false;
}

} // namespace qv
