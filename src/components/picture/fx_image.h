#pragma once

#include "components/picture/border_style.h"
#include "components/picture/load_result.h"
#include "components/picture/picture.h"
#include "components/picture/transition_player.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

namespace qv {

// A picture on a window, brought in with a numbered transition effect and framed by an
// optional bevelled border.
//
// Drawing: a loaded picture (load(), setFileName(), setPicture()) appears at the next
// show() or redraw(), with the effect, speed and grain set at that moment; until then
// the widget keeps showing what it showed, so a caller can load, move and resize it
// first. A transition starts from what is on screen (the old picture where it stood,
// over the background); redrawing the very picture already shown starts from the
// background, so the effect is seen again. `Notify` follows every transition exactly
// once, after its final frame, also for effect 0 (drawn at once) and for transitions
// cut short by the user (cancel mode), by hiding or by moving the widget.
//
// Effect 51 removes the picture: redraw() wipes it to the background with the erase
// effect, grain and speed when erasing is on (at once otherwise), and returns when the
// wipe is done, letting events run meanwhile. A wipe raises no `Notify`: it is part of
// changing slides, not a picture having come in.
//
// The background is the palette's window colour. Positions, sizes and natural sizes
// are logical pixels; pictures and transitions are drawn at the screen's device pixels.
class FXImage : public QWidget {
    Q_OBJECT

public:
    static constexpr int kEraseEffect = 51;

    explicit FXImage(QWidget* parent = nullptr);
    ~FXImage() override;

    // Loads a picture file and returns its LoadResult code, also kept in loadResult().
    // Events keep running while a large picture decodes. A failed load keeps the
    // previous picture.
    int load(const QString& path);
    void setFileName(const QString& path) { load(path); }
    QString fileName() const { return fileName_; }
    int loadResult() const { return loadResult_; }

    // The decoded picture, to hand to another FXImage without decoding it again.
    PictureHandle picture() const { return picture_; }
    void setPicture(PictureHandle picture);
    // Composes the frame the next redraw brings in (the picture scaled into its border,
    // a metafile drawn anew at that size) on a worker while events keep running, so
    // that starting the transition costs this thread no scaling or drawing; that would
    // stall every other screen's running transition. Call it once the image has its
    // final geometry and border; a change after it is composed anew at the redraw.
    void prepareFrame();

    // The picture's own size in logical pixels (0 x 0 without a picture).
    QSize naturalSize() const;
    int naturalWidth() const { return naturalSize().width(); }
    int naturalHeight() const { return naturalSize().height(); }

    void setEffect(int effect) { effect_ = effect; }
    int effect() const { return effect_; }
    void setEffectSpeed(int speed) { speed_ = speed; }
    int effectSpeed() const { return speed_; }
    void setEffectGrain(int grain) { grain_ = grain; }
    int effectGrain() const { return grain_; }

    // Border setters repaint the picture at once while the border redraw switch is on.
    void setBorderWidth(int width);
    void setBorderColor(const QColor& colour);
    void setInnerBevelSize(int size);
    void setInnerBevelStyle(int style);
    void setInnerBevelColor1(const QColor& colour);
    void setInnerBevelColor2(const QColor& colour);
    void setOuterBevelSize(int size);
    void setOuterBevelStyle(int style);
    void setOuterBevelColor1(const QColor& colour);
    void setOuterBevelColor2(const QColor& colour);
    void setBorder(const BorderStyle& border);
    const BorderStyle& border() const { return border_; }
    void setBorderRedraw(bool on) { borderRedraw_ = on; }
    bool borderRedraw() const { return borderRedraw_; }

    void setEraseEffect(int effect) { eraseEffect_ = effect; }
    int eraseEffect() const { return eraseEffect_; }
    void setEraseGrain(int grain) { eraseGrain_ = grain; }
    int eraseGrain() const { return eraseGrain_; }
    void setEraseSpeed(int speed) { eraseSpeed_ = speed; }
    int eraseSpeed() const { return eraseSpeed_; }
    void setEraseEnabled(bool on) { eraseEnabled_ = on; }
    bool eraseEnabled() const { return eraseEnabled_; }

    // 4 (the default): a key press cuts a running transition to its final frame; 9: a key
    // press or a move of the mouse does (any other value counts as 4). Only the show asks
    // for 9: in a dialog, moving the mouse to the next control must not cut its preview.
    void setCancelMode(int mode) { cancelMode_ = mode; }
    int cancelMode() const { return cancelMode_; }

    // Draws the picture anew with the current effect (or wipes it with effect 51).
    void redraw();
    bool isDrawing() const;

    void setVisible(bool visible) override;

signals:
    void Notify();
    void Click();
    // button: 1 left, 2 right, 4 middle (added); shift: 1 Shift, 2 Ctrl, 4 Alt (added);
    // x, y: logical pixels from the widget's top-left corner.
    void MouseMove(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool drawTransitionFrameStraight(QPainter& painter);
    bool copyFrameStraight(QPainter& painter, const QRegion& region, const QImage& frame);
    // What a frame shows, to tell whether a redraw would show the same again.
    struct Content {
        PictureHandle picture;
        BorderStyle border;
        bool blank = true;
        bool operator==(const Content&) const = default;
    };

    // Everything one redraw is made of: the frame it brings in, how it goes there, and
    // what the frame it starts from is made of.
    struct DrawingPlan {
        bool isWipe = false;
        Content target;
        QSize size;
        qreal scale = 1.0;
        QColor background;
        TransitionRequest request;
        QImage shownFrame;
        Content shown;
        QRect shownGeometry;
        QRect geometry;
        bool shownOnScreen = false;
    };
    // A redraw made ready ahead of time, and the plan it was made for.
    struct PreparedDrawing {
        std::optional<DrawingPlan> plan;
        PreparedTransition transition;
    };

    void beginDrawing();
    void onTransitionFinished();
    void cutRunningTransition();
    Content wantedContent() const;
    DrawingPlan currentPlan() const;
    static bool samePlan(const DrawingPlan& a, const DrawingPlan& b);
    // Touch nothing but the plan: safe on a worker.
    static PreparedTransition prepareTransition(const DrawingPlan& plan);
    static QImage startingFrame(const DrawingPlan& plan);
    QImage composeFrame(const Content& content, QSize deviceSize) const;
    void paintShownFrame(QPainter& painter, const QImage& frame, const QRect& frameGeometry) const;
    QSize deviceSize() const;
    QSize decodeTarget() const;
    QColor background() const;

    QString fileName_;
    int loadResult_ = LoadResult::Loaded;
    quint64 loadGeneration_ = 0;
    PictureHandle picture_;

    int effect_ = 0;
    int speed_ = 0;
    int grain_ = 1;
    BorderStyle border_;
    bool borderRedraw_ = true;
    int eraseEffect_ = 0;
    int eraseGrain_ = 1;
    int eraseSpeed_ = 0;
    bool eraseEnabled_ = false;
    int cancelMode_ = 4;

    TransitionPlayer* player_;  // child object
    QImage frame_;              // what is on screen when no transition runs
    QRect frameGeometry_;       // where frame_ was composed, in the parent's coordinates
    Content shown_;
    PreparedDrawing prepared_;
    bool frameOnScreen_ = false;  // frame_ has been on screen since the widget was last hidden
    bool frameStale_ = false;     // the border changed; frame_ is composed anew when painted
    bool drawingWanted_ = false;
    bool insideSetVisible_ = false;
    bool runningIsWipe_ = false;
    bool pressed_ = false;
};

} // namespace qv
