#include "engine/screen_view.h"

#include "components/label/fx_label.h"
#include "components/picture/fx_image.h"
#include "components/platform/file_names.h"
#include "engine/caption_effects.h"
#include "engine/picture_fitting.h"
#include "engine/show_timing.h"
#include "engine/slide_look.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "showdata/effect_catalogue.h"
#include "showdata/random_effect.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

// Counts a wait of the view's own while events run inside it.
class Waiting {
public:
    explicit Waiting(int& count) : count_(count) { ++count_; }
    ~Waiting() { --count_; }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

private:
    int& count_;
};

} // namespace

ScreenView::ScreenView(QScreen* screen, Input input)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), screen_(screen), input_(std::move(input)),
      image_(new FXImage(this)), caption_(new FXLabel(this)), badFile_(new FXLabel(this)),
      random_(screen != nullptr ? screen->name() : QString())
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setCursor(Qt::BlankCursor);
    image_->setFocusPolicy(Qt::NoFocus);
    image_->setAttribute(Qt::WA_TransparentForMouseEvents);
    image_->setCancelMode(globalSettings().cmode);
    image_->hide();
    styleCaption(*caption_);
    caption_->hide();
    badFile_->setTransparentBackground(true);
    badFile_->setForeColour(QColor(255, 210, 120));
    badFile_->setAutoSize(true);
    badFile_->setAttribute(Qt::WA_TransparentForMouseEvents);
    badFile_->hide();
    badFileTimer_.setSingleShot(true);
    connect(&badFileTimer_, &QTimer::timeout, badFile_, &QWidget::hide);
    startTimer_.setSingleShot(true);
    connect(&startTimer_, &QTimer::timeout, this, &ScreenView::change);
    captionTimer_.setSingleShot(true);
    connect(&captionTimer_, &QTimer::timeout, this, [this] {
        caption_->setRunning(true);
        caption_->show();
        caption_->raise();
    });
    connect(image_, &FXImage::Notify, this, &ScreenView::pictureDrawn);
    // As on the main screen, a captioned picture's time counts from the end of its
    // caption's effect.
    connect(caption_, &FXLabel::Notify, this, [this] {
        if (changing_ || !caption_->isVisible())
            return;
        standingSince_ = std::chrono::steady_clock::now();
        if (waiting_ && startTimer_.isActive())
            startTimer_.start(stillToStand(*waiting_));
    });
}

ScreenView::~ScreenView() = default;

void ScreenView::cover(QScreen* screen)
{
    screen_ = screen;
    if (screen == nullptr)
        return;
    // On Wayland a window cannot place itself: it asks for its screen, then for the
    // whole of it. A bare X server needs the geometry as well.
    winId();
    if (QWindow* window = windowHandle())
        window->setScreen(screen);
    setGeometry(screen->geometry());
    showFullScreen();
}

QString ScreenView::picture() const { return changing_ ? current_.picture : image_->fileName(); }

void ScreenView::showSlide(const SlideOrder& order, std::chrono::milliseconds after)
{
    waiting_ = order;
    if (changing_)
        return;  // taken up when the running change is done
    startTimer_.start(std::max(after, stillToStand(order)));
}

std::chrono::milliseconds ScreenView::stillToStand(const SlideOrder& order) const
{
    // A custom show's slide changes with the main screen's, on every screen together.
    if (!order.picture.isEmpty() || !standingSince_)
        return {};
    const auto stood = std::chrono::steady_clock::now() - *standingSince_;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(current_.stand - stood);
    return std::max(left, std::chrono::milliseconds{0});
}

// A slide change: the next picture is decoded while the old one still stands, the
// old one is wiped away as on the main screen, then the new one comes in. Nothing
// here waits for a transition, so every screen changes at its own pace.
void ScreenView::change()
{
    if (!waiting_ || changing_)
        return;
    changing_ = true;
    current_ = *waiting_;
    waiting_.reset();
    captionTimer_.stop();
    caption_->hide();
    caption_->setRunning(false);
    bool loaded = false;
    {
        const Waiting wait(waits_);
        loaded = loadPicture();
    }
    if (!loaded) {
        changeDone();
        return;
    }
    next_ = image_->picture();
    if (firstPicture_ || !prepareErase(*image_)) {
        firstPicture_ = false;
        drawNext();
        return;
    }
    // The wipe, as a transition to the bare background.
    image_->setEraseEnabled(false);
    image_->setEffect(image_->eraseEffect());
    image_->setEffectGrain(image_->eraseGrain());
    image_->setEffectSpeed(image_->eraseSpeed());
    image_->setPicture({});
    erasing_ = true;
    {
        const Waiting wait(waits_);
        image_->prepareFrame();
    }
    reportTransitionScreen(*image_);
    image_->redraw();
}

void ScreenView::drawNext()
{
    erasing_ = false;
    image_->setPicture(next_);
    next_ = {};
    // The effect: the slide's, or one drawn for this screen.
    const bool drawn = current_.effect == randomEffect;
    int effect = drawn ? DrawRandomEffect(effectCatalogue(), random_.effects) : current_.effect;
    if (effect == wipeAwayEffect)
        effect = 0;
    image_->setEffect(effect);
    image_->setEffectGrain(effectGrainFor(effect));
    image_->setEffectSpeed(drawn ? RandomEffectSpeed(effect) : current_.speed);
    applyShowBorder(*image_);
    // Fitted to this screen.
    const GlobalSettings& settings = globalSettings();
    const QSize natural = image_->naturalSize();
    const PictureFit fit = FitPictureOnScreen(0, 0, height(), width(), natural.height(), natural.width(),
                                              settings.screenPercent.number(), settings.scaleFlag != 0);
    image_->setGeometry(QRectF(fit.left, fit.top, fit.width, fit.height).toRect());
    {
        const Waiting wait(waits_);
        image_->prepareFrame();
    }
    reportTransitionScreen(*image_);
    if (image_->isVisible())
        image_->redraw();
    else
        image_->show();
}

void ScreenView::changeDone()
{
    changing_ = false;
    if (waiting_)
        startTimer_.start(stillToStand(*waiting_));
}

// The slide's own picture, or in a random show the next of this screen's order that
// no other screen shows and that can be shown.
bool ScreenView::loadPicture()
{
    if (!current_.picture.isEmpty())
        return image_->load(current_.picture) == 0 || image_->picture() != nullptr;
    const CustomShow& table = customShow();
    const int count = table.pictureCount;
    const QStringList elsewhere = input_.picturesElsewhere ? input_.picturesElsewhere(this) : QStringList();
    const bool enough = count > elsewhere.size();
    for (int attempt = 0; attempt < count; ++attempt) {
        const int index = order_.next(count, true, random_.order);
        const QString path = table.picture.at(static_cast<std::size_t>(index));
        if (enough && elsewhere.contains(path))
            continue;
        // Known to the other screens while it decodes.
        current_.picture = path;
        const int code = image_->load(path);
        if (code == 0)
            return true;
        reportBadPicture(path, code);
    }
    current_.picture.clear();
    return false;
}

void ScreenView::pictureDrawn()
{
    if (erasing_) {
        drawNext();
        return;
    }
    if (!changing_)
        return;
    // The picture stands from now; a captioned one from its caption's end (see the
    // constructor), and until then at least from the caption's coming.
    standingSince_ = std::chrono::steady_clock::now();
    if (current_.captioned)
        *standingSince_ += std::chrono::seconds(showTiming().captionPauseSeconds);
    changeDone();
    const GlobalSettings& settings = globalSettings();
    if (settings.cDissolve == 0)
        image_->setEffect(0);
    if (!current_.captioned || waiting_)
        return;
    // A random show captions with the picture's name as it is on disk, as the main screen does.
    const QString text = !current_.caption.isEmpty() ? current_.caption : displayFileName(current_.picture);
    if (text.isEmpty())
        return;
    const int row = static_cast<int>(std::floor(random_.captions.next() * kCaptionEffectRows)) + 1;
    const CaptionEffect look = captionEffectRow(row);
    caption_->setTextEffectSettings(TextEffectSettings{look.effect, look.settingA, look.settingB});
    placeCaption(*caption_, text, size());
    // After the same pause as on the main screen.
    captionTimer_.start(std::chrono::seconds(showTiming().captionPauseSeconds));
}

void ScreenView::reportBadPicture(const QString& path, int code)
{
    if (!placeBadPictureMessage(*badFile_, path, code, size()))
        return;
    badFile_->show();
    badFile_->raise();
    badFileTimer_.start(std::chrono::milliseconds(static_cast<int>(showTiming().badPictureSeconds * 1000)));
}

void ScreenView::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (input_.key)
        input_.key(event);
}

void ScreenView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (input_.click)
        input_.click();
}

void ScreenView::closeEvent(QCloseEvent* event)
{
    // The show decides when its windows go; it goes as a whole.
    event->ignore();
    if (input_.closed)
        input_.closed();
}

void ScreenView::mouseMoveEvent(QMouseEvent* event)
{
    if (input_.mouseMove)
        input_.mouseMove(event->globalPosition().toPoint());
}

} // namespace qv
