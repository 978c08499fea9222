#pragma once

#include "components/label/caption_layout.h"
#include "components/label/caption_look.h"
#include "components/label/text_effect_table.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace qv {

// A caption drawn with an animated text effect. Position, size, visibility and
// stacking are the widget's own (move, resize, show, hide, raise); winId() is the
// native window a host may adopt.
//
// The run switch: turning it on starts the current effect from its beginning (it is
// left alone if already on); when the effect has played to its end the switch goes
// off by itself and Notify is raised, once. Turning it off early stops the effect,
// shows the caption at rest and raises nothing. The animation runs whether or not
// the label is visible, so Notify always comes.
//
// Made a window of its own (no parent, or adopted into another program's window)
// the label always paints its back colour, as nothing can show through it there.
// To adopt it, keep it parentless: Qt paints a widget only while its top-level
// widget is shown, so a native child of a hidden form would stay blank. Set
// Qt::WA_NativeWindow, call winId(), give windowHandle() the other window
// (QWindow::fromWinId) as parent, then show the label.
class FXLabel : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::milliseconds()>;

    explicit FXLabel(QWidget* parent = nullptr);

    void setCaption(const QString& text);
    [[nodiscard]] const QString& caption() const { return caption_; }

    void setTextEffect(int number);
    [[nodiscard]] int textEffect() const { return effect_.number; }
    void setEffectSettingA(int a);
    [[nodiscard]] int effectSettingA() const { return effect_.a; }
    void setEffectSettingB(int b);
    [[nodiscard]] int effectSettingB() const { return effect_.b; }
    void setTextEffectSettings(const TextEffectSettings& settings);
    [[nodiscard]] const TextEffectSettings& textEffectSettings() const { return effect_; }

    void setRunning(bool run);
    [[nodiscard]] bool isRunning() const { return running_; }
    // 0 when the effect starts, 1 when it is finished or the caption is at rest.
    [[nodiscard]] double progress() const { return progress_; }

    void setForeColour(const QColor& colour);
    void setBackColour(const QColor& colour);
    void setTransparentBackground(bool transparent);
    void setOutlineColour(const QColor& colour);
    [[nodiscard]] const CaptionLook& look() const { return look_; }

    // On: the label takes the size of its text (at most its parent's, or the
    // screen's, size) whenever the text or the font changes.
    void setAutoSize(bool on);
    [[nodiscard]] bool autoSize() const { return autoSize_; }
    [[nodiscard]] QSize sizeHint() const override;

    // The time source of the animation; a steady clock unless replaced.
    void setClock(Clock clock);
    // One animation step, as the frame timer takes it (one per refresh of the screen).
    void advanceAnimation();

signals:
    void Notify();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void captionChanged();
    void lookChanged();
    void applyAutoSize();
    void invalidateFrame();
    void forgetLayout();
    void layOutAhead();
    void drawAhead(bool frameWanted = true);
    void frameDrawnAhead(quint64 generation, quint64 layoutGeneration, double layoutDpi,
                         std::shared_ptr<const CaptionLayout> layout, std::optional<QImage> frame);
    [[nodiscard]] double dpi() const;
    [[nodiscard]] std::chrono::milliseconds now() const;

    QString caption_;
    TextEffectSettings effect_;
    CaptionLook look_;
    bool autoSize_ = false;
    bool running_ = false;
    double progress_ = 1.0;
    std::chrono::milliseconds startedAt_{0};
    Clock clock_;
    QTimer frameTimer_;
    // Made on a pool thread, then shared with the frames drawn from it there.
    std::shared_ptr<const CaptionLayout> layout_;
    double layoutDpi_ = 0.0;
    quint64 layoutGeneration_ = 0;  // counts the changes of text, font and size
    bool layoutAsked_ = false;
    // What the label shows: the frame of the present moment once frameValid_, until then
    // the frame before it (a step behind, or nothing since the caption changed).
    QImage frame_;
    bool frameValid_ = false;
    double drawnProgress_ = 1.0;   // the moment frame_ shows, or is being drawn for
    quint64 frameGeneration_ = 0;  // counts the changes that make a frame stale
    bool drawing_ = false;
    std::optional<quint64> drawingFrameOf_;  // the generation of the frame being drawn
    bool stepWaiting_ = false;
    // A frame drawn ahead reaches the label only while this lives.
    std::shared_ptr<const int> lifetime_ = std::make_shared<const int>(0);
};

} // namespace qv
