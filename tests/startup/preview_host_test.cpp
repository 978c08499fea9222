// The preview as a screen-saver host drives it: a small window of another program,
// whose id is handed over on the command line. Runs under a real X server (Xvfb).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <memory>

// Last: Xlib defines macros such as None that clash with the names of others.
#include "support/x_display.h"
#include <X11/Xutil.h>

namespace {

constexpr unsigned long kHostBackground = 0x00ff00;

class PreviewHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        display_.reset(XOpenDisplay(nullptr));
        if (!display_)
            GTEST_SKIP() << "needs an X display";
        host_ = XCreateSimpleWindow(display_.get(), DefaultRootWindow(display_.get()), 20, 20, 152, 112, 0, 0,
                                    kHostBackground);
        XMapWindow(display_.get(), host_);
        XSync(display_.get(), False);
    }

    void TearDown() override
    {
        if (preview_.state() != QProcess::NotRunning) {
            preview_.kill();
            preview_.waitForFinished();
        }
    }

    void startPreview(const QString& commandLine)
    {
        preview_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        preview_.start(qEnvironmentVariable("QV_PROGRAM"), QProcess::splitCommand(commandLine));
        ASSERT_TRUE(preview_.waitForStarted());
    }

    std::vector<Window> hostChildren() const
    {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        std::vector<Window> result;
        if (XQueryTree(display_.get(), host_, &root, &parent, &children, &count) != 0 && children != nullptr) {
            result.assign(children, children + count);
            XFree(children);
        }
        return result;
    }

    // Waits, running nothing of ours, until `condition` holds or `seconds` pass.
    template <typename Condition>
    bool waitFor(Condition condition, double seconds)
    {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > seconds * 1000)
                return false;
            QThread::msleep(50);
        }
        return true;
    }

    // The share of the host's client area that no longer shows its own background.
    double coveredShare() const
    {
        const auto destroy = [](XImage* unwanted) { XDestroyImage(unwanted); };
        std::unique_ptr<XImage, decltype(destroy)> image(
            XGetImage(display_.get(), host_, 0, 0, 152, 112, AllPlanes, ZPixmap), destroy);
        if (!image)
            return 0.0;
        int covered = 0;
        for (int y = 0; y < 112; ++y)
            for (int x = 0; x < 152; ++x)
                covered += (XGetPixel(image.get(), x, y) & 0xffffff) != kHostBackground ? 1 : 0;
        return covered / (152.0 * 112.0);
    }

    qv::test::DisplayConnection display_;
    Window host_ = 0;
    QProcess preview_;
};

TEST_F(PreviewHostTest, DrawsInsideTheHostAndEndsWhenTheHostIsDestroyed)
{
    startPreview(QStringLiteral("/p %1").arg(host_));
    ASSERT_TRUE(waitFor([this] { return !hostChildren().empty(); }, 10.0)) << "the label never joined the host";
    // The label paints once its process gets the processor; on a loaded machine that
    // can take a while, so wait for the painting rather than for a fixed time.
    EXPECT_TRUE(waitFor([this] { return coveredShare() > 0.9; }, 10.0)) << "covered " << coveredShare();

    XDestroyWindow(display_.get(), host_);
    XSync(display_.get(), False);
    EXPECT_TRUE(preview_.waitForFinished(6000)) << "the preview outlived its host";
    EXPECT_EQ(preview_.exitCode(), 0);
}

TEST_F(PreviewHostTest, EndsWhenTheHostTakesItsWindowAway)
{
    startPreview(QStringLiteral("/P%1").arg(host_));
    ASSERT_TRUE(waitFor([this] { return !hostChildren().empty(); }, 10.0));
    for (const Window child : hostChildren())
        XUnmapWindow(display_.get(), child);
    XSync(display_.get(), False);
    EXPECT_TRUE(preview_.waitForFinished(6000)) << "the close request was not honoured";
    EXPECT_EQ(preview_.exitCode(), 0);
}

TEST_F(PreviewHostTest, WithoutAUsableHostItEndsByItself)
{
    for (const char* commandLine : {"/p 0", "/p:1234"}) {
        startPreview(QString::fromUtf8(commandLine));
        EXPECT_TRUE(preview_.waitForFinished(8000)) << commandLine;
        EXPECT_EQ(preview_.exitCode(), 0) << commandLine;
        EXPECT_TRUE(hostChildren().empty());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
