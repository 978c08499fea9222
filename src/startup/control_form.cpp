#include "startup/control_form.h"

#include "components/label/font_substitutions.h"
#include "startup/program_windows.h"
#include "startup/shared_routines.h"
#include "startup/startup_state.h"

#include <QWindow>

#include <chrono>
#include <random>

namespace qv {
namespace {

// The windowing system's request to close a window.
constexpr int kCloseMessage = 16;

// How often the host's presence is checked while an effect runs.
constexpr int kHostWatchMs = 250;

} // namespace

QSize previewLabelTwips(QSize pixels, int twipsPerPixelX, int twipsPerPixelY)
{
    return QSize(pixels.width() * twipsPerPixelX, pixels.height() * twipsPerPixelY);
}

ControlForm::ControlForm(QWidget* parent) : QWidget(parent), FXLabel1(std::make_unique<FXLabel>())
{
    registerProgramWindow(this);
    installFontSubstitutions();

    FXLabel1->setCaption(QStringLiteral("Quintavue"));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(18);
    FXLabel1->setFont(font);
    FXLabel1->setForeColour(QColor(255, 215, 90));
    FXLabel1->setBackColour(QColor(8, 24, 64));
    FXLabel1->setAttribute(Qt::WA_NativeWindow);
    connect(FXLabel1.get(), &FXLabel::Notify, this, &ControlForm::FXLabel1_Notify);

    Timer1.setInterval(kEffectIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &ControlForm::Timer1_Timer);
    hostWatch_.setInterval(kHostWatchMs);
    connect(&hostWatch_, &QTimer::timeout, this, &ControlForm::checkHost);
    Form_Load();
}

ControlForm::~ControlForm()
{
    // Take the label back before it goes, so the host's window is left as it was.
    if (FXLabel1->windowHandle() != nullptr)
        FXLabel1->windowHandle()->setParent(nullptr);
}

void ControlForm::load() { new ControlForm; }  // retired when it unloads

void ControlForm::Form_Load()
{
    const StartupState& state = startupState();
    host_ = state.hostWindow;
    Timer1.start();
    // The close request is watched for by checkHost().
    // The host's client area.
    const QSize client = foreignClientSize(host_);
    if (client.isValid() && foreignWindowExists(host_)) {
        // The label covers the client area: computed in twips as the host sizes
        // things, placed in pixels.
        const QSize twips = previewLabelTwips(client, state.twipsPerPixelX, state.twipsPerPixelY);
        FXLabel1->setGeometry(0, 0, twips.width() / std::max<int>(1, state.twipsPerPixelX),
                              twips.height() / std::max<int>(1, state.twipsPerPixelY));
        // The label's window becomes a child of the host's.
        hostWindow_.reset(QWindow::fromWinId(host_));
        FXLabel1->winId();
        if (hostWindow_ != nullptr && FXLabel1->windowHandle() != nullptr) {
            FXLabel1->windowHandle()->setParent(hostWindow_.get());
            FXLabel1->show();
        }
    }
    // From now on the host is watched for going away.
    InPreview = true;
    hostWatch_.start();
}

void ControlForm::Timer1_Timer()
{
    if (!foreignWindowExists(host_) || !InPreview) {
        unload();
        return;
    }
    Timer1.stop();
    // A fresh sequence from the clock each time, each of the 36 effects equally likely.
    std::mt19937 random(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    FXLabel1->setRunning(false);
    FXLabel1->setTextEffect(std::uniform_int_distribution<int>(1, 36)(random));
    FXLabel1->setRunning(true);
    FXLabel1->update();
    let_events_run();
}

void ControlForm::FXLabel1_Notify() { Timer1.start(); }

void ControlForm::Msghook1_Message(int message)
{
    if (message != kCloseMessage)
        return;
    // Take the label back, so it is not destroyed with the host's window; the next
    // tick ends the preview.
    if (FXLabel1->windowHandle() != nullptr)
        FXLabel1->windowHandle()->setParent(nullptr);
    FXLabel1->hide();
    InPreview = false;
    Timer1.start();
}

// A host closes the preview by destroying its window, or by withdrawing or
// re-parenting the label's window: either is the close request. A host that has
// gone altogether ends the preview at once, even in the middle of an effect, which
// would otherwise never report its end.
void ControlForm::checkHost()
{
    if (!InPreview)
        return;
    if (!foreignWindowExists(host_)) {
        unload();
        return;
    }
    if (FXLabel1->windowHandle() == nullptr || !FXLabel1->isVisible())
        return;
    const auto labelWindow = static_cast<ForeignWindowId>(FXLabel1->winId());
    if (foreignParentOf(labelWindow) != host_ || !foreignWindowMapped(labelWindow))
        Msghook1_Message(kCloseMessage);
}

void ControlForm::unload()
{
    Timer1.stop();
    hostWatch_.stop();
    InPreview = false;
    if (FXLabel1->windowHandle() != nullptr)
        FXLabel1->windowHandle()->setParent(nullptr);
    FXLabel1->hide();
    retireProgramWindow(this);
}

} // namespace qv
