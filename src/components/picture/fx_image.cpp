#include "components/picture/fx_image.h"

#include "components/picture/magick_setup.h"
#include "components/picture/responsive_load.h"
#include "components/picture/transition_player.h"
#include "components/picture/widget_pixels.h"
#include "components/transitions/transition_renderer.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <utility>
#include <vector>

namespace qv {
namespace {

int buttonMask(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) | (buttons.testFlag(Qt::RightButton) ? 2 : 0)
        | (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
        | (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

// The frame a picture makes in its border on the background; `blank` leaves out both.
// Touches nothing but its arguments, so it may run on a worker.
QImage composedFrame(const PictureHandle& picture, const BorderStyle& border, QSize size, qreal scale,
                     const QColor& background, bool blank = false)
{
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(background);
    if (!blank && !size.isEmpty()) {
        QPainter painter(&frame);
        const QRect area = paintBorder(painter, frame.rect(), border, scale);
        if (picture && !area.isEmpty()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(area.topLeft(), picture->imageAt(area.size()));
        }
    }
    frame.setDevicePixelRatio(scale);
    return frame;
}

// Device pixels to the widget's own, rounding outwards. Neighbours may meet once
// rounded, so the rectangles are joined pairwise, which keeps the union cheap for
// the many small cells of a dissolve.
QRegion logicalRegion(const QRegion& changed, qreal scale)
{
    if (scale == 1.0 || changed.isEmpty())
        return changed;
    std::vector<QRegion> parts;
    parts.reserve(static_cast<std::size_t>(changed.rectCount()));
    for (const QRect& rect : changed)
        parts.emplace_back(QRectF(QPointF(rect.topLeft()) / scale, QSizeF(rect.size()) / scale).toAlignedRect());
    for (std::size_t step = 1; step < parts.size(); step *= 2)
        for (std::size_t i = 0; i + step < parts.size(); i += 2 * step)
            parts[i] += parts[i + step];
    return parts.front();
}

} // namespace

FXImage::FXImage(QWidget* parent) : QWidget(parent), player_(new TransitionPlayer(this))
{
    // GraphicsMagick's start sets an environment variable: here, before any worker runs.
    prepareMagick();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only the part of the frame that changed is painted and sent to the screen.
    connect(player_, &TransitionPlayer::frameChanged, this, [this](const QRegion& changed) {
        update(logicalRegion(changed, devicePixelRatioF()));
    });
    connect(player_, &TransitionPlayer::finished, this, &FXImage::onTransitionFinished);
}

FXImage::~FXImage() { player_->disconnect(this); }

int FXImage::load(const QString& path)
{
    fileName_ = path;
    const quint64 generation = ++loadGeneration_;
    const QPointer<FXImage> alive(this);
    DecodeOutcome outcome = loadPictureResponsively(path, decodeTarget());
    // Events ran meanwhile: the widget may be gone, or a later load may have finished first.
    if (!alive || generation != loadGeneration_)
        return outcome.code;
    loadResult_ = outcome.code;
    if (outcome.code == LoadResult::Loaded)
        picture_ = std::move(outcome.picture);
    return outcome.code;
}

void FXImage::setPicture(PictureHandle picture)
{
    ++loadGeneration_;
    picture_ = std::move(picture);
    if (picture_)
        loadResult_ = LoadResult::Loaded;
}

void FXImage::prepareFrame()
{
    // The redraw that follows replaces the frame on screen: a border change waiting to
    // be painted must not show on its own meanwhile (nor change what the plan starts from).
    frameStale_ = false;
    PreparedDrawing ready{currentPlan(), {}};
    if (ready.plan->size.isEmpty())
        return;
    const QPointer<FXImage> alive(this);
    runWhileEventsRun([&ready] { ready.transition = prepareTransition(*ready.plan); });
    if (alive)
        prepared_ = std::move(ready);
}

QSize FXImage::naturalSize() const { return picture_ ? picture_->naturalSize() : QSize(0, 0); }

void FXImage::setBorderWidth(int width)
{
    BorderStyle next = border_;
    next.width = width;
    setBorder(next);
}

void FXImage::setBorderColor(const QColor& colour)
{
    BorderStyle next = border_;
    next.colour = colour;
    setBorder(next);
}

void FXImage::setInnerBevelSize(int size)
{
    BorderStyle next = border_;
    next.inner.size = size;
    setBorder(next);
}

void FXImage::setInnerBevelStyle(int style)
{
    BorderStyle next = border_;
    next.inner.style = style;
    setBorder(next);
}

void FXImage::setInnerBevelColor1(const QColor& colour)
{
    BorderStyle next = border_;
    next.inner.colour1 = colour;
    setBorder(next);
}

void FXImage::setInnerBevelColor2(const QColor& colour)
{
    BorderStyle next = border_;
    next.inner.colour2 = colour;
    setBorder(next);
}

void FXImage::setOuterBevelSize(int size)
{
    BorderStyle next = border_;
    next.outer.size = size;
    setBorder(next);
}

void FXImage::setOuterBevelStyle(int style)
{
    BorderStyle next = border_;
    next.outer.style = style;
    setBorder(next);
}

void FXImage::setOuterBevelColor1(const QColor& colour)
{
    BorderStyle next = border_;
    next.outer.colour1 = colour;
    setBorder(next);
}

void FXImage::setOuterBevelColor2(const QColor& colour)
{
    BorderStyle next = border_;
    next.outer.colour2 = colour;
    setBorder(next);
}

void FXImage::setBorder(const BorderStyle& border)
{
    // The show sets the same ten values before every slide: nothing to repaint then.
    if (border == border_)
        return;
    border_ = border;
    // Only the picture already on screen is repainted; a new one waits for its show.
    if (!borderRedraw_ || !isVisible() || isDrawing() || drawingWanted_ || shown_.blank || shown_.picture != picture_)
        return;
    // Composed when painted, so that several changes in a row cost one composition, and
    // a change followed at once by a redraw or a wipe never shows on its own.
    frameStale_ = true;
    update();
}

void FXImage::redraw()
{
    drawingWanted_ = true;
    beginDrawing();
}

bool FXImage::isDrawing() const { return player_->isRunning(); }

void FXImage::setVisible(bool visible)
{
    if (!visible) {
        QWidget::setVisible(false);
        return;
    }
    insideSetVisible_ = true;
    QWidget::setVisible(true);
    insideSetVisible_ = false;
    // Showing an image that is already visible draws its (new) picture too.
    drawingWanted_ = true;
    beginDrawing();
}

void FXImage::beginDrawing()
{
    if (!isVisible())
        return;  // drawn when it is shown
    drawingWanted_ = false;
    cutRunningTransition();
    frameStale_ = false;
    const DrawingPlan plan = currentPlan();
    PreparedDrawing ready = std::exchange(prepared_, PreparedDrawing{});
    PreparedTransition transition = ready.plan && samePlan(*ready.plan, plan) ? std::move(ready.transition)
                                                                              : prepareTransition(plan);
    shown_ = plan.target;
    frameGeometry_ = plan.geometry;
    frameOnScreen_ = true;
    runningIsWipe_ = plan.isWipe;
    player_->start(std::move(transition));
    if (!plan.isWipe || !player_->isRunning())
        return;
    // The caller goes on to the next picture once a wipe returns, so it must be over.
    QEventLoop loop;
    connect(player_, &TransitionPlayer::finished, &loop, &QEventLoop::quit);
    connect(player_, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

void FXImage::onTransitionFinished()
{
    frame_ = player_->frame();
    if (isVisible())
        repaint();
    if (!runningIsWipe_)
        QMetaObject::invokeMethod(this, &FXImage::Notify, Qt::QueuedConnection);
}

void FXImage::cutRunningTransition()
{
    if (player_->isRunning())
        player_->finishNow();
}

FXImage::Content FXImage::wantedContent() const { return {picture_, border_, false}; }

QImage FXImage::composeFrame(const Content& content, QSize size) const
{
    return composedFrame(content.picture, content.border, size, devicePixelRatioF(), background(), content.blank);
}

FXImage::DrawingPlan FXImage::currentPlan() const
{
    DrawingPlan plan;
    plan.isWipe = effect_ == kEraseEffect;
    if (!plan.isWipe)
        plan.target = wantedContent();
    plan.size = deviceSize();
    plan.scale = devicePixelRatioF();
    plan.background = background();
    const double refreshRate = screen() != nullptr ? screen()->refreshRate() : 60.0;
    if (plan.isWipe) {
        const int effect = eraseEnabled_ && eraseEffect_ != kEraseEffect ? eraseEffect_ : 0;
        plan.request = {effect, eraseGrain_, eraseSpeed_, size(), refreshRate, cancelMode_};
    } else {
        plan.request = {effect_, grain_, speed_, size(), refreshRate, cancelMode_};
    }
    plan.shownFrame = frame_;
    plan.shown = shown_;
    plan.shownGeometry = frameGeometry_;
    plan.geometry = geometry();
    plan.shownOnScreen = frameOnScreen_;
    return plan;
}

bool FXImage::samePlan(const DrawingPlan& a, const DrawingPlan& b)
{
    // The frame on screen is compared by identity: comparing its pixels costs as much
    // as composing it again.
    return a.isWipe == b.isWipe && a.target == b.target && a.size == b.size && a.scale == b.scale
        && a.background == b.background && a.request == b.request && a.shownFrame.cacheKey() == b.shownFrame.cacheKey()
        && a.shown == b.shown && a.shownGeometry == b.shownGeometry && a.geometry == b.geometry
        && a.shownOnScreen == b.shownOnScreen;
}

PreparedTransition FXImage::prepareTransition(const DrawingPlan& plan)
{
    QImage to = composedFrame(plan.target.picture, plan.target.border, plan.size, plan.scale, plan.background,
                              plan.target.blank);
    QImage from = isTransitionImplemented(plan.request.effect) ? startingFrame(plan) : QImage();
    return TransitionPlayer::prepare(plan.request, std::move(from), std::move(to));
}

// What the screen shows where the widget stands now: the frame on screen where it
// stood, over the background.
QImage FXImage::startingFrame(const DrawingPlan& plan)
{
    QImage from(plan.size, QImage::Format_RGB32);
    from.fill(plan.background);
    const bool sameAgain = plan.target == plan.shown && plan.shownGeometry == plan.geometry;
    // A wiped frame is the bare background already filled in.
    if (plan.shownOnScreen && !plan.shownFrame.isNull() && !sameAgain && !plan.shown.blank && !plan.size.isEmpty()) {
        QPainter painter(&from);
        painter.scale(plan.scale, plan.scale);
        const QPointF offset = plan.shownGeometry.topLeft() - plan.geometry.topLeft();
        painter.drawImage(QRectF(offset, plan.shownFrame.deviceIndependentSize()), plan.shownFrame);
    }
    from.setDevicePixelRatio(plan.scale);
    return from;
}

void FXImage::paintShownFrame(QPainter& painter, const QImage& frame, const QRect& frameGeometry) const
{
    // Where the frame stood on the parent, seen from where the widget stands now.
    const QPointF offset = frameGeometry.topLeft() - geometry().topLeft();
    painter.drawImage(QRectF(offset, frame.deviceIndependentSize()), frame);
}

void FXImage::paintEvent(QPaintEvent* event)
{
    if (frameStale_ && !isDrawing()) {
        shown_.border = border_;
        frame_ = composeFrame(shown_, deviceSize());
        frameGeometry_ = geometry();
        frameStale_ = false;
    }
    QPainter painter(this);
    if (isDrawing() && frameGeometry_ == geometry() && event->region() == QRegion(rect())
        && drawTransitionFrameStraight(painter)) {
        frameOnScreen_ = true;
        return;
    }
    const QImage& shown = isDrawing() ? player_->frame() : frame_;
    frameOnScreen_ = !shown.isNull();
    if (copyFrameStraight(painter, event->region(), shown))
        return;
    if (!shown.isNull() && frameGeometry_ == geometry() && shown.size() == deviceSize()) {
        painter.drawImage(QPointF(0, 0), shown);
        return;
    }
    painter.fillRect(rect(), background());
    if (!shown.isNull())
        paintShownFrame(painter, shown, frameGeometry_);
}

// At 3840x2160 a frame is 33 MB: drawn into the player's frame and then copied into
// the window's pixels, it is copied once more than it needs to be, several
// milliseconds of the one thread that paints every screen. So an effect that draws
// each frame whole draws it straight into the window's pixels, where the painter
// allows it, wholly covered by the repaint (an effect of the moving kind repaints all
// of the widget each frame), so nothing else painted there is lost.
bool FXImage::drawTransitionFrameStraight(QPainter& painter)
{
    std::optional<QImage> pixels = widgetPixels(painter, deviceSize(), devicePixelRatioF());
    return pixels && player_->drawFrameInto(*pixels);
}

// Qt draws an image through a clip of more than one rectangle (the cells a dissolve
// changed, or the old and new places of a moved picture) in pieces on its shared
// thread pool and waits for them, so the thread that paints every screen stalls
// behind whatever that pool is busy with, such as captions drawn ahead; tens of
// milliseconds on a 2-core machine. Copying the region's rectangles straight into the
// window's pixels gives the same pixels without the pool.
bool FXImage::copyFrameStraight(QPainter& painter, const QRegion& region, const QImage& frame)
{
    const qreal scale = devicePixelRatioF();
    if (!frame.isNull()
        && (frame.format() != QImage::Format_RGB32 || !qFuzzyCompare(frame.devicePixelRatio(), scale)))
        return false;
    const std::optional<QRegion> deviceRegion = exactDeviceRegion(region, scale);
    if (!deviceRegion)
        return false;
    std::optional<QImage> pixels = widgetPixels(painter, deviceSize(), scale);
    if (!pixels)
        return false;
    // Where the frame stood on the parent, seen from where the widget stands now.
    const QPoint offset = (frameGeometry_.topLeft() - geometry().topLeft()) * qRound(scale);
    copyFrameInto(*pixels, *deviceRegion, frame, offset, background());
    return true;
}

void FXImage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown along with its window rather than by setVisible(): draw what was asked for.
    if (!insideSetVisible_ && drawingWanted_)
        beginDrawing();
}

void FXImage::hideEvent(QHideEvent* event)
{
    cutRunningTransition();
    frameOnScreen_ = false;
    QWidget::hideEvent(event);
}

void FXImage::resizeEvent(QResizeEvent* event)
{
    // The frames were composed for the old size.
    cutRunningTransition();
    QWidget::resizeEvent(event);
}

void FXImage::moveEvent(QMoveEvent* event)
{
    cutRunningTransition();
    QWidget::moveEvent(event);
}

void FXImage::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void FXImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit Click();
}

void FXImage::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit MouseMove(buttonMask(event->buttons()), shiftMask(event->modifiers()), at.x(), at.y());
    QWidget::mouseMoveEvent(event);
}

QSize FXImage::deviceSize() const
{
    const qreal scale = devicePixelRatioF();
    return {qRound(width() * scale), qRound(height() * scale)};
}

QSize FXImage::decodeTarget() const
{
    const QScreen* const shownOn = screen();
    if (shownOn == nullptr)
        return {};
    const qreal scale = shownOn->devicePixelRatio();
    return {qRound(shownOn->size().width() * scale), qRound(shownOn->size().height() * scale)};
}

QColor FXImage::background() const { return palette().color(backgroundRole()); }

} // namespace qv
