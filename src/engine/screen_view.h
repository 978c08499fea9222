#pragma once

#include "components/picture/picture.h"
#include "engine/play_order.h"
#include "engine/screen_random.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <optional>

class QScreen;

namespace qv {

class FXImage;
class FXLabel;

// One slide as the show asks a screen to show it.
struct SlideOrder {
    QString picture;    // empty: the next of the screen's own shuffled order (a random show)
    int effect = 114;   // 114: drawn at random on this screen, at the random speed
    int speed = 0;
    bool captioned = false;
    QString caption;    // the description; the file name when empty and captioned
    // A random show's picture stands this long, once drawn and captioned, before this
    // screen takes the next: a screen slower to wipe and draw than the main one keeps
    // its pictures up as long, instead of following the main screen's pace.
    std::chrono::seconds stand{0};
};

// A show window over one screen besides the main one. It draws what the show asks,
// fitted, bordered and captioned for its own screen's size and scale; a random show's
// screen walks its own order of the pictures with its own effects. Keys, clicks and
// the mouse over it count as the show's own. Without slides it stays black.
class ScreenView : public QWidget {
    Q_OBJECT
public:
    struct Input {
        std::function<void(QKeyEvent*)> key;
        std::function<void()> click;
        std::function<void(QPoint global)> mouseMove;
        // The pictures the other screens show, which a random show's screen passes
        // over while the show has enough others.
        std::function<QStringList(const ScreenView*)> picturesElsewhere;
        // Closed from outside (a window manager's close): the show's own end.
        std::function<void()> closed;
    };

    ScreenView(QScreen* screen, Input input);
    ~ScreenView() override;

    // Full screen on its screen.
    void cover(QScreen* screen);
    QScreen* coveredScreen() const { return screen_; }

    // Changes to the slide after `after`; an order that comes while a change runs
    // replaces any order still waiting.
    void showSlide(const SlideOrder& order, std::chrono::milliseconds after = {});

    FXImage& image() { return *image_; }
    FXLabel& caption() { return *caption_; }
    // The picture on screen or coming in.
    QString picture() const;
    // One of its own waits (a picture decoding) is running: it must not be freed now.
    bool waiting() const { return waits_ > 0; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void change();
    void drawNext();
    void changeDone();
    bool loadPicture();
    void pictureDrawn();
    void reportBadPicture(const QString& path, int code);
    // How long the picture on screen must still stand before `order` replaces it.
    std::chrono::milliseconds stillToStand(const SlideOrder& order) const;

    QPointer<QScreen> screen_;
    Input input_;
    FXImage* image_;
    FXLabel* caption_;
    FXLabel* badFile_;
    QTimer badFileTimer_;
    QTimer startTimer_;
    QTimer captionTimer_;
    ScreenRandom random_;
    PlayOrder order_;
    std::optional<SlideOrder> waiting_;
    SlideOrder current_;
    std::optional<std::chrono::steady_clock::time_point> standingSince_;
    PictureHandle next_;  // decoded, to come in once the old picture is wiped
    int waits_ = 0;
    bool changing_ = false;
    bool erasing_ = false;
    bool firstPicture_ = true;
};

} // namespace qv
