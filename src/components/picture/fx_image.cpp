#include "components/picture/fx_image.h"

#include "components/picture/magick_setup.h"
#include "components/picture/responsive_load.h"
#include "components/picture/transition_player.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

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

} // namespace

FXImage::FXImage(QWidget* parent) : QWidget(parent), player_(new TransitionPlayer(this))
{
    // GraphicsMagick's start sets an environment variable: here, before any worker runs.
    prepareMagick();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only the part of the frame that changed is painted and sent to the screen.
    connect(player_, &TransitionPlayer::frameChanged, this, [this](const QRect& changed) {
        const qreal scale = devicePixelRatioF();
        update(QRectF(QPointF(changed.topLeft()) / scale, QSizeF(changed.size()) / scale).toAlignedRect());
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

void FXImage::prepareMetafile()
{
    if (!picture_ || !picture_->isMetafile())
        return;
    const QSize area = borderInterior(QRect(QPoint(0, 0), deviceSize()), border_, devicePixelRatioF()).size();
    if (area.isEmpty())
        return;
    // The picture keeps its latest rendering, which the redraw then finds ready.
    runWhileEventsRun([picture = picture_, area] { picture->imageAt(area); });
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
    if (effect_ == kEraseEffect) {
        wipeToBackground();
        return;
    }
    cutRunningTransition();
    frameStale_ = false;
    const Content target = wantedContent();
    const QSize size = deviceSize();
    QImage from = startingFrame(target, size);
    QImage to = composeFrame(target, size);
    shown_ = target;
    frameGeometry_ = geometry();
    frameOnScreen_ = true;
    runningIsWipe_ = false;
    player_->start({effect_, grain_, speed_, this->size(), screen() ? screen()->refreshRate() : 60.0, cancelMode_},
                   std::move(from), std::move(to));
}

void FXImage::wipeToBackground()
{
    cutRunningTransition();
    frameStale_ = false;
    const Content blank;
    const QSize size = deviceSize();
    QImage from = startingFrame(blank, size);
    QImage to = composeFrame(blank, size);
    shown_ = blank;
    frameGeometry_ = geometry();
    frameOnScreen_ = true;
    runningIsWipe_ = true;
    const int effect = eraseEnabled_ && eraseEffect_ != kEraseEffect ? eraseEffect_ : 0;
    player_->start({effect, eraseGrain_, eraseSpeed_, this->size(), screen() ? screen()->refreshRate() : 60.0, cancelMode_},
                   std::move(from), std::move(to));
    if (!player_->isRunning())
        return;
    // The caller goes on to the next picture once this returns, so the wipe must be over.
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
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(background());
    if (!content.blank && !size.isEmpty()) {
        QPainter painter(&frame);
        const QRect area = paintBorder(painter, frame.rect(), content.border, devicePixelRatioF());
        if (content.picture && !area.isEmpty()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(area.topLeft(), content.picture->imageAt(area.size()));
        }
    }
    frame.setDevicePixelRatio(devicePixelRatioF());
    return frame;
}

QImage FXImage::startingFrame(const Content& target, QSize size) const
{
    QImage from(size, QImage::Format_RGB32);
    from.fill(background());
    const bool sameAgain = target == shown_ && frameGeometry_ == geometry();
    if (frameOnScreen_ && !frame_.isNull() && !sameAgain && !size.isEmpty()) {
        QPainter painter(&from);
        painter.scale(devicePixelRatioF(), devicePixelRatioF());
        paintShownFrame(painter, frame_, frameGeometry_);
    }
    from.setDevicePixelRatio(devicePixelRatioF());
    return from;
}

void FXImage::paintShownFrame(QPainter& painter, const QImage& frame, const QRect& frameGeometry) const
{
    // Where the frame stood on the parent, seen from where the widget stands now.
    const QPointF offset = frameGeometry.topLeft() - geometry().topLeft();
    painter.drawImage(QRectF(offset, frame.deviceIndependentSize()), frame);
}

void FXImage::paintEvent(QPaintEvent*)
{
    if (frameStale_ && !isDrawing()) {
        shown_.border = border_;
        frame_ = composeFrame(shown_, deviceSize());
        frameGeometry_ = geometry();
        frameStale_ = false;
    }
    QPainter painter(this);
    const QImage& shown = isDrawing() ? player_->frame() : frame_;
    frameOnScreen_ = !shown.isNull();
    if (!shown.isNull() && frameGeometry_ == geometry() && shown.size() == deviceSize()) {
        painter.drawImage(QPointF(0, 0), shown);
        return;
    }
    painter.fillRect(rect(), background());
    if (!shown.isNull())
        paintShownFrame(painter, shown, frameGeometry_);
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
