// The preview as a screen-saver host drives it: a small window of another program,
// whose id is handed over on the command line. Runs under a real X server (Xvfb).
#include <gtest/gtest.h>

#include <vector>

#include "support/x_program.h"  // last: Xlib macros

namespace {

using qv::test::within;

constexpr unsigned long kHostBackground = 0x00ff00;

class PreviewHostTest : public qv::test::XProgramTest {
protected:
    void SetUp() override
    {
        XProgramTest::SetUp();
        if (!IsSkipped())
            host_ = program_.makeHostWindow(152, 112, kHostBackground);
    }

    std::vector<Window> hostChildren() const
    {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        std::vector<Window> result;
        if (XQueryTree(program_.display(), host_, &root, &parent, &children, &count) != 0 && children != nullptr) {
            result.assign(children, children + count);
            XFree(children);
        }
        return result;
    }

    // The share of the host's client area that no longer shows its own background.
    double coveredShare() const
    {
        const QImage shot = program_.shot(host_, 0, 0, 152, 112);
        if (shot.isNull())
            return 0.0;
        int covered = 0;
        for (int y = 0; y < 112; ++y)
            for (int x = 0; x < 152; ++x)
                covered += (shot.pixel(x, y) & 0xffffffU) != kHostBackground ? 1 : 0;
        return covered / (152.0 * 112.0);
    }

    Window host_ = 0;
};

// The preview fills the host, and ends when the host is destroyed or takes its window
// away (a host takes away a window it has seen: taken before the label maps it, the
// window would simply be mapped again afterwards).
TEST_F(PreviewHostTest, DrawsInsideTheHostAndEndsWhenTheHostIsDoneWithIt)
{
    for (const bool destroyHost : {true, false}) {
        SCOPED_TRACE(destroyHost ? "host destroyed" : "window taken away");
        if (!destroyHost)
            host_ = program_.makeHostWindow(152, 112, kHostBackground);
        const QStringList arguments = destroyHost ? QStringList{QStringLiteral("/p"), QString::number(host_)}
                                                  : QStringList{QStringLiteral("/P%1").arg(host_)};
        ASSERT_TRUE(program_.start(arguments));
        ASSERT_TRUE(within(30000, [this] { return !hostChildren().empty(); })) << "the label never joined the host";
        // The label paints once its process gets the processor; on a loaded machine that
        // can take a while, so wait for the painting rather than for a fixed time.
        ASSERT_TRUE(within(30000, [this] { return coveredShare() > 0.9; })) << "covered " << coveredShare();
        if (destroyHost)
            XDestroyWindow(program_.display(), host_);
        else
            for (const Window child : hostChildren())
                XUnmapWindow(program_.display(), child);
        XSync(program_.display(), False);
        EXPECT_TRUE(program_.process().waitForFinished(20000)) << "the preview outlived its host";
        EXPECT_EQ(program_.process().exitCode(), 0);
    }
}

TEST_F(PreviewHostTest, WithoutAUsableHostItEndsByItself)
{
    for (const char* commandLine : {"/p 0", "/p:1234"}) {
        ASSERT_TRUE(program_.start(QProcess::splitCommand(QString::fromUtf8(commandLine))));
        EXPECT_TRUE(program_.process().waitForFinished(8000)) << commandLine;
        EXPECT_EQ(program_.process().exitCode(), 0) << commandLine;
        EXPECT_TRUE(hostChildren().empty());
    }
}

} // namespace
