// The show window driven headless: tiny pictures, no transitions, short ticks.
#include "engine/qvtour52.h"
#include "engine/screen_view.h"

#include "components/picture/fx_image.h"
#include "engine/show_state.h"
#include "engine/show_timing.h"
#include "components/platform/message_box.h"
#include "startup/frm_no_files.h"
#include "settings/global_settings.h"
#include "showdata/custom_show.h"
#include "startup/event_waiting.h"
#include "startup/program_windows.h"
#include "startup/startup_state.h"
#include "support/qt_printers.h"
#include "support/test_files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace qv {
namespace {

class ShowWindowTest : public ::testing::Test, public MessagePresenter {
protected:
    MessageAnswer present(const Message& message) override
    {
        messages_ << message.text;
        return MessageAnswer::Ok;
    }

    void SetUp() override
    {
        setMessagePresenter(this);
        frmNoFiles::displayMs() = 50;
        dataDir_ = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Quintavue/");
        QDir().mkpath(dataDir_);
        QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue/desktop.conf"));
        globalSettings() = GlobalSettings();
        GlobalSettings& s = globalSettings();
        s.slideshowPath = dataDir_;
        s.randomFlag = 0;
        s.activeCss = QStringLiteral("test.css");
        s.cDissolve = 0;
        s.picinfoFlag = 0;
        ShowTiming& timing = showTiming();
        timing = ShowTiming();
        timing.tickMs = 20;
        timing.badPictureSeconds = 0.05;
        timing.captionPauseSeconds = 0;
        timing.closingPauseSeconds = 0;
        timing.passwordTimeoutMs = 150;
    }

    void TearDown() override
    {
        if (window_ != nullptr)
            window_->close();
        disposeRetiredWindows();
        setMessagePresenter(nullptr);
    }

    QString picture(const QString& name, QColor colour)
    {
        EXPECT_TRUE(test::savePlainPicture(dataDir_ + name, colour, 40, 30));
        return dataDir_ + name;
    }

    void writeShow(const std::vector<test::ShowSlide>& slides)
    {
        ASSERT_TRUE(test::writeFile(dataDir_ + QStringLiteral("test.css"), test::customShowText(slides)));
    }

    bool runUntil(const std::function<bool()>& done, double seconds = 5)
    {
        const EventWaitHooks& clock = eventWaitHooks();
        const double until = clock.monotonicSeconds() + seconds;
        let_events_run_until([&] { return done() || clock.monotonicSeconds() > until; },
                             std::chrono::milliseconds(5));
        return done();
    }

    // The values `now` takes in turn, empty ones left out, until `count` have come or
    // the window has closed.
    QStringList watch(const std::function<QString()>& now, int count, double seconds = 10)
    {
        QStringList seen;
        runUntil([&] {
            const QString value = now();
            if (!value.isEmpty() && (seen.isEmpty() || seen.last() != value))
                seen << value;
            return !window_->isVisible() || seen.size() >= count;
        }, seconds);
        return seen;
    }
    static QString shownName(FXImage& image) { return QFileInfo(image.fileName()).fileName(); }

    // A show of two long slides, opened, its first picture on screen.
    void openTwoLongSlides()
    {
        writeShow({{picture("a.bmp", Qt::red), 30}, {picture("b.bmp", Qt::green), 30}});
        window_ = qvtour52::open();
        ASSERT_TRUE(runUntil([this] { return !window_->image().fileName().isEmpty(); }));
    }

    // The screen saver asks for the password "Owl" before it ends.
    void usePassword()
    {
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quintavue");
        QDir().mkpath(folder);
        ASSERT_TRUE(test::writeFile(folder + QStringLiteral("/desktop.conf"), "[Desktop]\nScreenSaveUsePassword=1\n"));
        globalSettings().screenSaverPassword = QStringLiteral("Owl");
    }

    // A key brings the password prompt up once `ready` holds.
    void askForThePassword(const std::function<bool()>& ready)
    {
        ASSERT_TRUE(runUntil(ready));
        QTest::keyClick(window_, Qt::Key_A);
        ASSERT_TRUE(runUntil([this] { return window_->passwordPrompt().isVisible(); }));
    }

    QStringList messages_;
    QString dataDir_;
    qvtour52* window_ = nullptr;  // retired, not deleted, until TearDown
};

// Over the picture only the picture's own memory of the mouse counts, and it forgets
// at each new slide: the first movement there, however far, is only remembered. A
// picture deleted after the look-ahead read it is still the one its slide shows.
TEST_F(ShowWindowTest, EachNewPictureForgetsTheMouseAndShowsWhatTheLookAheadRead)
{
    const QString b = picture("b.bmp", Qt::green);
    writeShow({{picture("a.bmp", Qt::red), 1}, {b, 1}});
    window_ = qvtour52::open();
    ASSERT_TRUE(runUntil([this] {
        return window_->image().fileName().endsWith(QLatin1String("a.bmp")) && showState().readyForNext;
    }));
    const PictureHandle first = window_->image().picture();
    const QPoint centre = window_->rect().center();
    QTest::mouseMove(window_, centre);
    ASSERT_TRUE(QFile::remove(b));
    ASSERT_TRUE(runUntil([this] { return window_->image().fileName().endsWith(QLatin1String("b.bmp")); }));
    QTest::mouseMove(window_, centre + QPoint(120, 90));
    runUntil([] { return false; }, 0.3);
    EXPECT_FALSE(showState().quitRequested);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_NE(window_->image().picture(), first) << "the previous picture stands in for the missing one";
    EXPECT_TRUE(window_->image().picture());
}

// The next picture is looked up while a slide's transition runs, so the caption
// must not take its text from the slide that comes next.
TEST_F(ShowWindowTest, EachCaptionDescribesThePictureOnScreen)
{
    globalSettings().picinfoFlag = 1;
    // A quick wipe, so that the look-ahead runs before the transition is over.
    writeShow({{picture("a.bmp", Qt::red), 0, 1, 1, "apple"},
               {picture("b.bmp", Qt::green), 0, 1, 1, "bean"},
               {picture("c.bmp", Qt::blue), 0, 1, 1, "cherry"}});
    window_ = qvtour52::open();
    EXPECT_EQ(watch([this] {
                  const QString caption = window_->caption().caption().trimmed();
                  return window_->caption().isVisible() && !caption.isEmpty()
                             ? shownName(window_->image()) + QLatin1Char('=') + caption
                             : QString();
              }, 3),
              (QStringList{"a.bmp=apple", "b.bmp=bean", "c.bmp=cherry"}));
}

// A missing first picture and a damaged one between good ones are skipped; a slide of the
// wiping effect, which brings no picture in, still appears and the show moves on.
TEST_F(ShowWindowTest, SkipsPicturesThatCannotBeShownAndMovesOnFromTheWipe)
{
    const QString broken = dataDir_ + QStringLiteral("broken.bmp");
    ASSERT_TRUE(test::writeFile(broken, "BM this is not a picture"));
    writeShow({{dataDir_ + QStringLiteral("missing.bmp")}, {picture("a.bmp", Qt::red), 0, 51, 5}, {broken},
               {picture("c.bmp", Qt::blue)}});
    window_ = qvtour52::open();
    EXPECT_EQ(watch([this] { return shownName(window_->image()); }, 4), (QStringList{"a.bmp", "c.bmp", "a.bmp", "c.bmp"}));
}

// A show that cannot be read ends by itself, and the messages name the file read: the
// show file given on the command line, else the configuration's show.
TEST_F(ShowWindowTest, AShowThatCannotBeReadEndsByItselfNamingTheFileRead)
{
    globalSettings().activeCss = QStringLiteral("no-such-show.css");
    const QString damaged = dataDir_ + QStringLiteral("damaged.css");
    ASSERT_TRUE(test::writeFile(damaged, "\"Quintavue\",,,,,,,3\r\n\"only one"));
    for (const QString& commandLine : {QString(), damaged}) {
        startupState().commandLine = commandLine;
        messages_.clear();
        window_ = qvtour52::open();
        EXPECT_TRUE(runUntil([] { return !anyProgramWindowOpen(); }, 15));
        const QString read = commandLine.isEmpty() ? QStringLiteral("no-such-show.css") : damaged;
        EXPECT_EQ(messages_.value(messages_.size() - 1), read + QStringLiteral(" was not able to be loaded!"));
    }
    startupState().commandLine.clear();
    ASSERT_EQ(messages_.size(), 2) << messages_.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("The custom Quintavue file ") + damaged + " is corrupt!"))
        << messages_[0].toStdString();
}

TEST_F(ShowWindowTest, APresentationWaitsForAClickAndEndsOnAKeyWithoutPassword)
{
    globalSettings().presentationMode = 1;
    globalSettings().screenSaverPassword = QStringLiteral("Owl");
    writeShow({{picture("a.bmp", Qt::red)}, {picture("b.bmp", Qt::green)}});
    window_ = qvtour52::open();
    ASSERT_TRUE(runUntil([this] { return window_->image().fileName().endsWith(QLatin1String("a.bmp")); }));
    // A presentation lends each slide 2 seconds, then waits for a click inside the
    // slide timer, so the user's input comes from timers here, as it would from the
    // window system.
    QString shownBeforeClick;
    QTimer::singleShot(3000, window_, [this, &shownBeforeClick] {
        shownBeforeClick = window_->image().fileName();
        QTest::mouseMove(window_, QPoint(10, 10));
        QTest::mouseMove(window_, QPoint(600, 400));  // the mouse never ends a presentation
        QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(600, 400));
    });
    EXPECT_TRUE(runUntil([this] { return window_->image().fileName().endsWith(QLatin1String("b.bmp")); }, 8));
    EXPECT_TRUE(shownBeforeClick.endsWith(QLatin1String("a.bmp")));
    QTimer::singleShot(100, window_, [this] { QTest::keyClick(window_, Qt::Key_Escape); });
    EXPECT_TRUE(runUntil([this] { return !window_->isVisible(); }));
    EXPECT_FALSE(window_->passwordPrompt().isVisible());
}

TEST_F(ShowWindowTest, QuittingInTheMiddleOfATransitionEndsTheShow)
{
    // A slow wipe, so the key comes while it runs.
    writeShow({{picture("a.bmp", Qt::yellow), 5, 1, 255}, {picture("b.bmp", Qt::yellow), 5, 1, 255}});
    window_ = qvtour52::open();
    ASSERT_TRUE(runUntil([this] { return window_->image().isDrawing(); }));
    QTest::keyClick(window_, Qt::Key_Space);
    EXPECT_TRUE(runUntil([this] { return !window_->isVisible(); }));
    EXPECT_FALSE(showRunning());
    EXPECT_FALSE(anyProgramWindowOpen());
}

// In a random show another screen keeps each picture up for the show's delay, however
// soon the main screen orders the next: a screen slower to wipe and draw than the main
// one would otherwise show its pictures for a shorter time.
TEST_F(ShowWindowTest, AnotherScreensPictureStandsForTheDelay)
{
    CustomShow& table = customShow();
    table.picture = {QString(), picture("a.bmp", Qt::red), picture("b.bmp", Qt::green), picture("c.bmp", Qt::blue)};
    table.pictureCount = 3;
    QScreen* const screen = QGuiApplication::primaryScreen();
    ScreenView view(screen, {});
    view.cover(screen);
    SlideOrder order;
    order.effect = 0;
    order.stand = std::chrono::seconds(2);
    const auto shown = [&view] { return view.image().fileName(); };
    view.showSlide(order);
    ASSERT_TRUE(runUntil([&] { return !shown().isEmpty(); }));
    const QString first = shown();
    view.showSlide(order);
    runUntil([] { return false; }, 1);
    EXPECT_EQ(shown(), first) << "the picture was replaced before it stood its time";
    EXPECT_TRUE(runUntil([&] { return !shown().isEmpty() && shown() != first; }, 10)) << "the next picture never came";
}

// The show on a desktop of two screens, where the platform offers them (see CMakeLists.txt).
class ShowOnTwoScreens : public ShowWindowTest {
protected:
    void SetUp() override
    {
        if (QGuiApplication::screens().size() < 2)
            GTEST_SKIP() << "needs a second screen";
        ShowWindowTest::SetUp();
    }
};

// The windows over the other screens are part of the show: a jump of the mouse there
// ends a screen saver, a click there advances a presentation.
TEST_F(ShowOnTwoScreens, TheOtherScreensCountAsTheShow)
{
    ASSERT_NO_FATAL_FAILURE(openTwoLongSlides());
    ASSERT_EQ(window_->screenViews().size(), 1u);
    ScreenView* const other = window_->screenViews().front();
    ASSERT_TRUE(other->isVisible()) << "the second screen is not covered";
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(showState().advanceRequested);
    QTest::mouseMove(other, QPoint(100, 100));
    EXPECT_FALSE(showState().quitRequested) << "the first movement is only remembered";
    QTest::mouseMove(other, QPoint(300, 300));
    EXPECT_TRUE(runUntil([this] { return !window_->isVisible(); }));
}

// A screen that goes takes its window along; one that comes gets one; when the main
// screen goes, the show's own window moves to the screen that is left.
TEST_F(ShowOnTwoScreens, ScreensThatComeAndGoDuringTheShow)
{
    ASSERT_NO_FATAL_FAILURE(openTwoLongSlides());
    QScreen* const main = QGuiApplication::screens().at(0);
    QScreen* const second = QGuiApplication::screens().at(1);
    const QPointer<ScreenView> removed = window_->screenViews().front();
    emit qApp->screenRemoved(second);
    EXPECT_TRUE(window_->screenViews().empty());
    EXPECT_TRUE(runUntil([&] { return removed.isNull(); })) << "a removed screen's window is never freed";
    emit qApp->screenAdded(second);
    ASSERT_EQ(window_->screenViews().size(), 1u);
    EXPECT_EQ(window_->screenViews().front()->geometry(), second->geometry());
    EXPECT_TRUE(runUntil([this] { return window_->screenViews().front()->image().fileName().endsWith("a.bmp"); }))
        << "the new screen shows the slide on screen";
    emit qApp->screenRemoved(main);
    EXPECT_TRUE(window_->screenViews().empty());
    EXPECT_EQ(window_->geometry(), second->geometry());
    emit qApp->screenAdded(main);
    ASSERT_EQ(window_->screenViews().size(), 1u);
    EXPECT_EQ(window_->screenViews().front()->geometry(), main->geometry());
    EXPECT_TRUE(window_->isVisible());
    // Any of the show's windows closed from outside ends the whole show.
    window_->screenViews().front()->close();
    EXPECT_TRUE(runUntil([this] { return !window_->isVisible(); }));
    EXPECT_FALSE(anyProgramWindowOpen());
}

// The password prompt comes on the screen that holds the pointer, takes what is typed
// there, and comes back to the main window if that screen goes.
TEST_F(ShowOnTwoScreens, ThePasswordPromptComesOnTheScreensPointer)
{
    ASSERT_NO_FATAL_FAILURE(usePassword());
    ASSERT_NO_FATAL_FAILURE(openTwoLongSlides());
    ScreenView& other = *window_->screenViews().front();
    QCursor::setPos(other.geometry().center());
    if (QGuiApplication::screenAt(QCursor::pos()) != other.screen())
        GTEST_SKIP() << "the platform does not move the pointer";
    QTest::keyClick(&other, Qt::Key_A);
    ASSERT_TRUE(runUntil([this] { return window_->passwordPrompt().isVisible(); }));
    EXPECT_EQ(window_->passwordPrompt().window(), &other);
    emit qApp->screenRemoved(other.screen());
    EXPECT_EQ(window_->passwordPrompt().window(), window_);
    EXPECT_TRUE(window_->passwordPrompt().isVisible());
    QTest::keyClicks(&window_->passwordEntry(), QStringLiteral("owl"));
    EXPECT_TRUE(runUntil([this] { return !window_->isVisible(); }));
}

// The key comes while the caption still runs: its end must not bring the next slide
// over the prompt, and nothing the mouse does may disturb what is being typed. The
// right letters, in any case, end the show at the last one, without Enter.
TEST_F(ShowWindowTest, ThePromptHoldsTheShowAndKeepsWhatIsTyped)
{
    ASSERT_NO_FATAL_FAILURE(usePassword());
    showTiming().passwordTimeoutMs = 60000;
    globalSettings().picinfoFlag = 1;
    writeShow({{picture("a.bmp", Qt::red), 1, 0, 0, "apple"}, {picture("b.bmp", Qt::green), 1, 0, 0, "bean"}});
    window_ = qvtour52::open();
    ASSERT_NO_FATAL_FAILURE(askForThePassword([this] { return window_->caption().isRunning(); }));
    QTest::keyClicks(&window_->passwordEntry(), QStringLiteral("ow"));
    for (const QPoint at : {QPoint(5, 5), QPoint(600, 450), QPoint(5, 450), QPoint(600, 5)})
        QTest::mouseMove(window_, at);
    QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(5, 5));
    runUntil([] { return false; }, 3);

    QFrame& prompt = window_->passwordPrompt();
    EXPECT_TRUE(prompt.isVisible());
    EXPECT_TRUE(window_->image().fileName().endsWith(QLatin1String("a.bmp")));
    EXPECT_EQ(window_->passwordEntry().text(), QStringLiteral("ow"));
    const QWidget* onTop = window_->childAt(prompt.geometry().center());
    EXPECT_TRUE(onTop == &prompt || prompt.isAncestorOf(onTop)) << "the prompt is covered";
    EXPECT_TRUE(window_->passwordEntry().hasFocus());
    QTest::keyClicks(&window_->passwordEntry(), QStringLiteral("L"));
    EXPECT_TRUE(runUntil([this] { return !window_->isVisible(); }));
}

// A wrong password is refused, and each text of the prompt, drawn over the black show
// window, stands out from the prompt's own background.
TEST_F(ShowWindowTest, AWrongPasswordIsRefusedAndCancelResumesTheShow)
{
    ASSERT_NO_FATAL_FAILURE(usePassword());
    ASSERT_NO_FATAL_FAILURE(openTwoLongSlides());
    ASSERT_NO_FATAL_FAILURE(askForThePassword([] { return true; }));
    QTest::keyClicks(&window_->passwordEntry(), QStringLiteral("cat"));
    QTest::keyClick(&window_->passwordEntry(), Qt::Key_Return);
    EXPECT_TRUE(window_->invalidPasswordLabel().isVisible());
    EXPECT_TRUE(window_->passwordEntry().text().isEmpty());
    const QImage shot = window_->grab().toImage();
    const QList<QLabel*> labels = window_->passwordPrompt().findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 3);
    for (const QLabel* label : labels) {
        ASSERT_TRUE(label->isVisible()) << label->text().toStdString();
        const QRect area(label->mapTo(window_, QPoint(0, 0)), label->size());
        const int background = qGray(shot.pixel(area.topLeft()));
        int standingOut = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                standingOut += std::abs(qGray(shot.pixel(x, y)) - background) > 96 ? 1 : 0;
        EXPECT_GT(standingOut, 5 * label->text().size()) << label->text().toStdString();
    }
    QTest::keyClicks(&window_->passwordEntry(), QStringLiteral("x"));
    EXPECT_FALSE(window_->invalidPasswordLabel().isVisible());

    // Cancel returns to the show, and so does the prompt left alone; the next key asks again.
    for (QPushButton* button : window_->passwordPrompt().findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("&Cancel"))
            QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(window_->passwordPrompt().isVisible());
    ASSERT_NO_FATAL_FAILURE(askForThePassword([] { return true; }));
    EXPECT_TRUE(runUntil([this] { return !window_->passwordPrompt().isVisible(); }));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(showState().quitRequested);
}

} // namespace
} // namespace qv
