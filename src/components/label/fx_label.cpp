#include "components/label/fx_label.h"

#include "components/label/caption_renderer.h"
#include "components/label/font_substitutions.h"
#include "components/picture/transition_timing.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QThreadPool>

#include <cmath>
#include <utility>

namespace qv {
namespace {

// Qt's raster engine spreads a fill of many spans (the antialiased edges of a line
// of letters are hundreds of them) over the threads of the global thread pool,
// unless it runs on one of them itself. For a caption the hand-overs cost as much
// processor time as the drawing: a frame took 3.1 to 3.7 ms of processor time drawn
// on the GUI thread and 1.6 to 1.8 ms drawn on a pool thread. So layouts and frames
// are made on the global pool's threads, ahead of the pictures' work queued there
// (a caption's job is a few milliseconds, a picture's far longer).
constexpr int kCaptionJobPriority = 1;

std::chrono::milliseconds steadyNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

} // namespace

FXLabel::FXLabel(QWidget* parent)
    : QWidget(parent)
    , clock_(steadyNow)
{
    installFontSubstitutions();
    setFont(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, &FXLabel::advanceAnimation);
    lookChanged();
}

void FXLabel::setCaption(const QString& text)
{
    if (text == caption_)
        return;
    caption_ = text;
    captionChanged();
}

void FXLabel::setTextEffect(int number)
{
    effect_.number = number;
    invalidateFrame();
}

void FXLabel::setEffectSettingA(int a)
{
    effect_.a = a;
    invalidateFrame();
}

void FXLabel::setEffectSettingB(int b)
{
    effect_.b = b;
    invalidateFrame();
}

void FXLabel::setTextEffectSettings(const TextEffectSettings& settings)
{
    effect_ = settings;
    invalidateFrame();
}

void FXLabel::setRunning(bool run)
{
    if (run == running_)
        return;
    running_ = run;
    progress_ = run ? 0.0 : 1.0;
    if (run) {
        startedAt_ = now();
        // A frame per refresh of the screen the caption is on: a faster timer would
        // draw frames the screen never shows. The effect's length is kept by the
        // clock, whatever the refresh rate.
        frameTimer_.start(frameInterval(screen() != nullptr ? screen()->refreshRate() : 0.0));
    } else {
        frameTimer_.stop();
    }
    invalidateFrame();
    update();
}

void FXLabel::advanceAnimation()
{
    if (!running_)
        return;
    const auto length = textEffectDuration(effect_);
    const auto elapsed = now() - startedAt_;
    const double fraction = length.count() > 0 ? static_cast<double>(elapsed.count()) / static_cast<double>(length.count()) : 1.0;
    progress_ = std::clamp(fraction, 0.0, 1.0);
    if (progress_ < 1.0) {
        // Letters waiting their turn or already settled: the frame last asked for is
        // this step's frame too.
        if (frameValid_ && layout_ && sameCaptionFrame(*layout_, effect_, drawnProgress_, progress_))
            return;
        drawAhead(isVisible());
        return;
    }
    running_ = false;
    frameTimer_.stop();
    // The resting caption is drawn ahead too (a few milliseconds for a large one, which
    // other screens' transitions would wait for); the run's last frame, all but the
    // same, stays until it comes. A frame of the run still being drawn is not wanted.
    ++frameGeneration_;
    drawAhead(isVisible());
    // Last, because a receiver may restart the effect or delete the label.
    emit Notify();
}

void FXLabel::invalidateFrame()
{
    frameValid_ = false;
    ++frameGeneration_;
}

// The caption's text, font or size changed: the frame on screen shows other words, or
// the same at another size, so nothing is shown rather than that until the new frame
// comes.
void FXLabel::forgetLayout()
{
    layout_.reset();
    ++layoutGeneration_;
    frame_ = QImage();
    invalidateFrame();
}

// Laying out a large caption takes milliseconds (22 ms at 77 px the first time, while
// its font loads), which other screens' transitions would wait for: it is done on a
// pool thread as soon as the text, font or size changes, once for a burst of changes
// (placing a caption changes all three), so that it is ready when the caption shows.
void FXLabel::layOutAhead()
{
    if (std::exchange(layoutAsked_, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            layoutAsked_ = false;
            if (!layout_ && drawingFrameOf_ != frameGeneration_)
                drawAhead(isVisible() && !frameValid_);
        },
        Qt::QueuedConnection);
}

// Every frame, and the layout it is drawn from when the caption changed, is drawn on a
// pool thread while this thread goes on (other screens' transitions run here): the
// next frame of a running effect, the resting caption at its end, the first frame
// after a change. The frame on screen stays until the new one arrives. A frame that a
// change overtook is dropped, and a step that comes while a frame is still being drawn
// is taken up once it arrives. Without `frameWanted` only the layout is made.
void FXLabel::drawAhead(bool frameWanted)
{
    // A move to another screen changes the density without any other notice.
    if (layout_ && (layoutDpi_ != dpi() || layout_->devicePixelRatio != devicePixelRatioF()))
        forgetLayout();
    // No screen to show a frame on (a hidden caption runs on so that the show waiting
    // for its end goes on): drawn when painted.
    if (!frameWanted) {
        invalidateFrame();
        if (layout_)
            return;
    }
    if (drawing_) {
        stepWaiting_ = true;
        return;
    }
    drawing_ = true;
    drawingFrameOf_.reset();
    if (frameWanted) {
        drawingFrameOf_ = frameGeneration_;
        drawnProgress_ = running_ ? progress_ : 1.0;
    }
    const double layoutDpi = dpi();
    QThreadPool::globalInstance()->start(
        [label = this, alive = std::weak_ptr<const int>(lifetime_), generation = frameGeneration_,
         layoutGeneration = layoutGeneration_, layout = layout_, text = caption_,
         pixelFont = captionFont(font(), layoutDpi), area = QSizeF(size()), layoutDpi, ratio = devicePixelRatioF(),
         look = look_, effect = effect_, progress = progress_, running = running_, frameWanted]() mutable {
            if (!layout)
                layout = std::make_shared<const CaptionLayout>(layoutCaption(text, pixelFont, area, layoutDpi, ratio));
            std::optional<QImage> frame;
            if (frameWanted)
                frame = running ? renderCaptionFrame(*layout, look, effect, progress) : renderRestingCaption(*layout, look);
            QCoreApplication* const application = QCoreApplication::instance();
            if (application == nullptr)
                return;
            QMetaObject::invokeMethod(
                application,
                [label, alive, generation, layoutGeneration, layoutDpi, layout = std::move(layout),
                 frame = std::move(frame)]() mutable {
                    if (alive.lock())
                        label->frameDrawnAhead(generation, layoutGeneration, layoutDpi, std::move(layout),
                                               std::move(frame));
                },
                Qt::QueuedConnection);
        },
        kCaptionJobPriority);
}

void FXLabel::frameDrawnAhead(quint64 generation, quint64 layoutGeneration, double layoutDpi,
                              std::shared_ptr<const CaptionLayout> layout, std::optional<QImage> frame)
{
    drawing_ = false;
    drawingFrameOf_.reset();
    if (!layout_ && layoutGeneration == layoutGeneration_) {
        layout_ = std::move(layout);
        layoutDpi_ = layoutDpi;
    }
    if (frame && generation == frameGeneration_) {
        frame_ = std::move(*frame);
        frameValid_ = true;
        update();
    }
    if (std::exchange(stepWaiting_, false))
        drawAhead(isVisible());
}

void FXLabel::setForeColour(const QColor& colour)
{
    look_.foreColour = colour;
    lookChanged();
}

void FXLabel::setBackColour(const QColor& colour)
{
    look_.backColour = colour;
    lookChanged();
}

void FXLabel::setTransparentBackground(bool transparent)
{
    look_.transparentBackground = transparent;
    lookChanged();
}

void FXLabel::setOutlineColour(const QColor& colour)
{
    look_.outlineColour = colour;
    lookChanged();
}

void FXLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    applyAutoSize();
}

QSize FXLabel::sizeHint() const
{
    const QSizeF extent = captionExtent(caption_, font(), dpi());
    QSize limit = parentWidget() != nullptr ? parentWidget()->size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (parentWidget() == nullptr && screen() != nullptr)
        limit = screen()->availableGeometry().size();
    return QSize(static_cast<int>(std::ceil(extent.width())), static_cast<int>(std::ceil(extent.height())))
        .boundedTo(limit);
}

void FXLabel::setClock(Clock clock)
{
    clock_ = clock ? std::move(clock) : Clock(steadyNow);
    startedAt_ = now();
}

void FXLabel::paintEvent(QPaintEvent*)
{
    // Never drawn here, so that a change never holds this thread (see drawAhead).
    if (!frameValid_ && drawingFrameOf_ != frameGeneration_)
        drawAhead();
    QPainter painter(this);
    // A window of its own has nothing beneath it to show through; an opaque label
    // whose area is too large to draw must still cover what it promised to cover.
    if (isWindow() || (frame_.isNull() && !look_.transparentBackground))
        painter.fillRect(rect(), look_.backColour);
    if (!frame_.isNull())
        painter.drawImage(QPointF(0, 0), frame_);
}

void FXLabel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    forgetLayout();
    layOutAhead();
}

void FXLabel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        captionChanged();
}

void FXLabel::captionChanged()
{
    forgetLayout();
    layOutAhead();
    // A label in a layout gets its new size from the layout, which asks again only
    // when told that the size hint changed.
    updateGeometry();
    applyAutoSize();
    update();
}

void FXLabel::lookChanged()
{
    // Opaque painting lets Qt skip drawing whatever lies beneath the label.
    setAttribute(Qt::WA_OpaquePaintEvent, !look_.transparentBackground && look_.backColour.alpha() == 255);
    invalidateFrame();
    update();
}

void FXLabel::applyAutoSize()
{
    if (autoSize_)
        resize(sizeHint());
}

double FXLabel::dpi() const
{
    const int value = logicalDpiY();
    return value > 0 ? value : 96.0;
}

std::chrono::milliseconds FXLabel::now() const { return clock_(); }

} // namespace qv
