#pragma once

#include "components/label/fx_label.h"
#include "components/platform/foreign_windows.h"
#include "components/platform/window_titles.h"
#include "components/sound/fx_snd.h"
#include "engine/show_clock.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace qv {

class DaemonWindowWatch;
class FXImage;
class ScreenView;
class KeyboardLayout;

// A window that is never shown: its image only tells whether the next picture can
// be loaded, one slide ahead of the screen.
class HiddenForm : public QWidget {
public:
    HiddenForm();
    FXImage* probe;
};

// The show window: covers the screen, plays the slides of a random or custom show
// with their transitions, captions and sounds, and ends on the user's request.
class qvtour52 : public QWidget {
    Q_OBJECT
public:
    explicit qvtour52(QWidget* parent = nullptr);
    ~qvtour52() override;

    // Opens a show: the window loads its show data and starts its timer. Used by
    // start-up, and by the configuration screens' test runs.
    static qvtour52* open();

    // The window's title, by which start-up refuses a second show.
    static QString title() { return QStringLiteral("slideshow running"); }

    // Ends the show in order, without asking for the password: how a desktop's
    // screen-saver daemon stops it.
    void endWithoutPassword();

    // For tests and the frame diagnostic.
    FXImage& image() { return *FXImage1; }
    FXLabel& caption() { return *FXLabel1; }
    FXLabel& badFileMessage() { return *FXLabelBadFile; }
    QFrame& passwordPrompt() { return *Frame1; }
    QLineEdit& passwordEntry() { return *Text1; }
    QLabel& invalidPasswordLabel() { return *Label2; }
    FXSnd& player1() { return FXSnd1; }
    FXSnd& player2() { return FXSnd2; }
    int fileIndex() const { return FileIndex; }
    // The windows over the other screens.
    std::vector<ScreenView*> screenViews() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    void Tick_Timer();
    void FXImage1_Notify();
    void FXImage1_Click();
    void FXImage1_MouseMove(int button, int shift, int x, int y);
    void FXLabel1_Notify();
    void fxsnd1_Notify();
    void FXSnd2_Notify();
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();

private:
    // Opening and the slide timer.
    void Form_Load();
    void buildControls();
    void buildPasswordPrompt();
    void coverTheScreens();
    void coverScreen(QScreen* screen);
    void screenGone(QScreen* screen);
    void retireView(std::unique_ptr<ScreenView> view);
    void freeRetiredViews();
    void orderSlideOnOtherScreens(const QString& path, ScreenView* only = nullptr);
    QStringList picturesShownBesides(const ScreenView* view) const;
    void drawInto(ForeignWindowId window);
    void watchDaemonWindow();
    void getfileindex();
    int probeCurrentPicture();
    static std::int32_t display_colors(const QWidget& window);
    void enableTick();
    static int ticksUntil(std::optional<double> seconds);
    void requestQuit();

    // Slides.
    int LOADSLIDE(const QString& path, int delay);
    void applyBorderSettings();
    void clear_picture();
    void show_bad_picture(const QString& path, int code);

    // Sound.
    void play_slide_audio();
    void startPlayer(FXSnd& player, const QString& file, bool loop);
    static void stopPlayer(FXSnd& player);
    void sound1_off();
    void sound2_off();
    void getsoundindex();

    // Input and the end.
    void Form_KeyDown(int keyCode);
    void Form_KeyPress();
    void Form_Click();
    void Form_MouseMove(int x, int y);
    void Text1_KeyPress(int keyCode);
    void end_show();
    void finishShow(bool pauseBeforeClosing);
    void Form_Unload();
    void forgetMousePositions();
    void closePasswordPrompt();
    void fitPasswordPrompt();
    QWidget* windowUnderThePointer();
    void placePasswordPrompt(QWidget* host);
    void grabInput();
    void tryToGrabInput();
    void releaseInput();

    // Controls.
    QTimer Tick;
    FXImage* FXImage1;
    FXLabel* FXLabel1;
    FXLabel* FXLabelBadFile;
    FXSnd FXSnd1;
    FXSnd FXSnd2;
    QTimer Timer1;
    QTimer grabRetry_;
    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label2 = nullptr;
    std::unique_ptr<HiddenForm> hiddenForm_;
    // The other screens' windows. One whose screen went is hidden at once and freed
    // once none of its own waits (a picture decoding) is running.
    std::vector<std::unique_ptr<ScreenView>> views_;
    std::vector<std::unique_ptr<ScreenView>> retiredViews_;
    QPointer<QScreen> mainScreen_;  // the screen of this window
    std::unique_ptr<QWindow> daemonWindow_;            // a daemon's window the show draws into
    std::unique_ptr<DaemonWindowWatch> daemonWatch_;  // tells when the daemon takes it away
    std::optional<TitleMarker> runningMarker_;  // not inside a daemon's window
    std::unique_ptr<KeyboardLayout> passwordLayout_;  // for the prompt, asked once a show

    // Window fields.
    int FileIndex = 0;
    SlideClock slideClock_;  // `SlideStart`, and what the slide on screen still waits for
    bool FirstPicture = true;
    QString CurrentPicture;
    int CurrentEffect = 0;
    int LabelEffectIndex = 0;
    int SoundIndex = 0;
    int lastProbeCode_ = 0;
    bool inputGrabbed_ = false;
    QPointer<QWidget> grabHost_;  // the window holding keyboard and pointer: this one, or the prompt's
    int grabAttempts_ = 0;
    bool closing_ = false;
    // The password prompt is up: the show stands still under it and input is its own.
    bool promptOpen_ = false;
};

} // namespace qv
