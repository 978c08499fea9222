#include "components/label/caption_renderer.h"
#include "components/label/fx_label.h"
#include "image_compare.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace qv {
namespace {

using std::chrono::milliseconds;

// Time stands still unless a test moves it, so no test depends on the machine's speed.
class LabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.resize(480, 120);
        label = new FXLabel(&parent);
        label->setGeometry(10, 20, 420, 72);
        label->setFont(QFont(QStringLiteral("Arial"), 18, QFont::Bold));
        dress(*label, false);
        parent.show();
    }

    // The caption and background every test shows, on the test's clock.
    void dress(FXLabel& l, bool transparent)
    {
        l.setCaption(QStringLiteral("Quintavue"));
        l.setTransparentBackground(transparent);
        l.setBackColour(QColor(0, 0, 90));
        l.setClock([clock = now] { return *clock; });
    }

    // Moves time on in frame-sized steps, as the frame timer would.
    void play(FXLabel& l, milliseconds span)
    {
        for (milliseconds done{0}; done < span; done += milliseconds(16)) {
            *now += milliseconds(16);
            l.advanceAnimation();
        }
    }

    // Lets the frames being drawn on pool threads arrive.
    static void settle()
    {
        for (int round = 0; round < 5; ++round) {
            QThreadPool::globalInstance()->waitForDone();
            QCoreApplication::processEvents();
        }
    }

    // Laid out and drawn on the spot: what the label's frames must look like.
    static CaptionLayout layoutOf(const FXLabel& l)
    {
        return layoutCaption(l.caption(), l.font(), QSizeF(l.size()), l.logicalDpiY());
    }
    static QImage restingImage(const FXLabel& l) { return renderRestingCaption(layoutOf(l), l.look()); }

    std::shared_ptr<milliseconds> now = std::make_shared<milliseconds>(0);
    QWidget parent;
    FXLabel* label = nullptr;   // owned by parent
};

class EveryEffectInTheLabel : public LabelTest, public ::testing::WithParamInterface<int> {};

INSTANTIATE_TEST_SUITE_P(Numbers, EveryEffectInTheLabel, ::testing::Range(1, kTextEffectCount + 1));

TEST_P(EveryEffectInTheLabel, PlaysToItsEndAndNotifiesOnce)
{
    label->setTextEffectSettings({GetParam(), 2, 10});
    const milliseconds length = textEffectDuration(label->textEffectSettings());
    QSignalSpy notified(label, &FXLabel::Notify);
    label->setRunning(true);

    play(*label, length / 2);
    EXPECT_TRUE(label->isRunning());
    settle();
    EXPECT_GT(test::differingShare(label->grab().toImage(), restingImage(*label)), 0.005) << "mid-run shows the rest";
    label->setRunning(true);  // already on: no restart, as the notification's time shows
    play(*label, length / 2 - milliseconds(40));
    EXPECT_EQ(notified.count(), 0);

    play(*label, milliseconds(80));
    EXPECT_EQ(notified.count(), 1);
    EXPECT_FALSE(label->isRunning());
    EXPECT_DOUBLE_EQ(label->progress(), 1.0);
    settle();
    EXPECT_LT(test::differingShare(label->grab().toImage(), restingImage(*label)), 0.002);

    play(*label, milliseconds(3000));
    EXPECT_EQ(notified.count(), 1);
}

TEST_F(LabelTest, SwitchingOffStopsAtRestWithoutNotifyAndOnStartsAfreshOnce)
{
    label->setTextEffect(9);
    QSignalSpy notified(label, &FXLabel::Notify);
    label->setRunning(true);
    play(*label, milliseconds(500));
    label->setRunning(false);
    EXPECT_FALSE(label->isRunning());
    settle();
    EXPECT_LT(test::differingShare(label->grab().toImage(), restingImage(*label)), 0.002);
    play(*label, milliseconds(5000));
    EXPECT_EQ(notified.count(), 0);

    // Off then on, as the preview does for every new effect: a whole new run.
    label->setRunning(true);
    EXPECT_DOUBLE_EQ(label->progress(), 0.0);
    const milliseconds length = textEffectDuration(label->textEffectSettings());
    play(*label, length - milliseconds(40));
    EXPECT_EQ(notified.count(), 0);
    play(*label, milliseconds(80));
    EXPECT_EQ(notified.count(), 1);
}

TEST_F(LabelTest, ReceiverMayStartTheNextEffectFromNotify)
{
    int runs = 0;
    QObject::connect(label, &FXLabel::Notify, label, [&] {
        if (++runs < 3) {
            label->setTextEffect(label->textEffect() + 1);
            label->setRunning(true);
        }
    });
    label->setTextEffect(35);
    label->setRunning(true);
    play(*label, milliseconds(20000));
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(label->textEffect(), 37);
    EXPECT_FALSE(label->isRunning());
}

// Every frame, and the layout of a changed caption, is drawn on a pool thread, each
// change racing a frame still on its way there: the label shows nothing of a change
// at once (this thread never lays a caption out or draws it), then exactly the frame
// of its latest state as drawing it on the spot gives, never the overtaken one.
TEST_F(LabelTest, ChangesAreDrawnOnAPoolThreadAndShowTheLatestFrameOnceItArrives)
{
    label->setTextEffect(9);
    label->setRunning(true);
    const milliseconds length = textEffectDuration(label->textEffectSettings());
    const struct {
        const char* change;
        std::function<void()> make;
        bool blankAtOnce;
    } cases[] = {
        {"none: the step on its way is the latest", [] {}, false},
        {"new words", [&] { label->setCaption(QStringLiteral("Other words entirely")); }, true},
        {"a larger font", [&] { label->setFont(QFont(QStringLiteral("Times New Roman"), 24)); }, true},
        {"another size", [&] { label->resize(400, 90); }, true},
    };
    for (const auto& c : cases) {
        play(*label, length / 8);
        settle();
        play(*label, milliseconds(16));  // one frame on its way
        c.make();
        const QImage expected = renderCaptionFrame(layoutOf(*label), label->look(), label->textEffectSettings(),
                                                   label->progress());
        const auto blank = [](const QImage& shot) { return test::inkedShare(shot, QColor(0, 0, 90).rgb()) == 0.0; };
        const auto latest = [&](const QImage& shot) { return test::differingShare(shot, expected) < 0.002; };
        if (c.blankAtOnce) {
            EXPECT_TRUE(blank(label->grab().toImage())) << c.change;
        }
        // The overtaken frame has arrived by now; the latest may still be on its way.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        const QImage meanwhile = label->grab().toImage();
        EXPECT_TRUE(blank(meanwhile) || latest(meanwhile)) << c.change;
        settle();
        EXPECT_TRUE(latest(label->grab().toImage())) << c.change;
    }
    EXPECT_TRUE(label->isRunning());
}

// Hidden as well: a show waiting for the end of a hidden caption must not stall.
TEST_F(LabelTest, FrameTimerDrivesTheEffectOnItsOwnEvenWhenHidden)
{
    label->hide();
    label->setTextEffect(21);
    QSignalSpy notified(label, &FXLabel::Notify);
    label->setRunning(true);
    *now += milliseconds(10000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return notified.count() > 0; }, 5000));
    EXPECT_EQ(notified.count(), 1);
}

TEST_F(LabelTest, AutoSizeFitsTheTextWithinTheParent)
{
    label->setAutoSize(true);
    const QSize shortSize = label->size();
    EXPECT_LT(shortSize.width(), parent.width());
    EXPECT_GT(shortSize.height(), QFontMetrics(label->font()).height());

    label->setCaption(QString(400, QLatin1Char('M')));
    EXPECT_EQ(label->width(), parent.width());

    label->setFont(QFont(QStringLiteral("Arial"), 9));
    label->setCaption(QStringLiteral(" a "));
    EXPECT_LT(label->width(), shortSize.width());
}

// The preview adopts the label's native window into a window of another program;
// there it paints its caption itself and nothing shows through it.
TEST_F(LabelTest, AdoptedIntoAnotherWindowItPaintsItsOwnBackground)
{
    QWindow host;
    host.resize(152, 112);
    host.show();
    FXLabel adopted;
    dress(adopted, true);
    adopted.setAttribute(Qt::WA_NativeWindow);
    adopted.winId();
    adopted.windowHandle()->setParent(&host);
    adopted.setGeometry(0, 0, 152, 112);
    adopted.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&adopted));
    EXPECT_EQ(adopted.windowHandle()->parent(), &host);

    QSignalSpy notified(&adopted, &FXLabel::Notify);
    adopted.setRunning(true);
    play(adopted, milliseconds(5000));
    EXPECT_EQ(notified.count(), 1);
    settle();
    const QImage shot = adopted.grab().toImage();
    EXPECT_EQ(shot.pixel(1, 1), QColor(0, 0, 90).rgb());
    EXPECT_GT(test::inkedShare(shot, QColor(0, 0, 90).rgb()), 0.05);
}

} // namespace
} // namespace qv
