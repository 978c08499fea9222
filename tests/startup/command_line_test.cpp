#include "startup/command_line.h"
#include "startup/wayland_refusal.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct ModeCase {
    const char* commandLine;
    const char* mode;
    bool testSwitch;
};

class RunModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(RunModeTest, ChoosesModeFromFirstTwoCharactersOrShowFile)
{
    const ModeCase& c = GetParam();
    const QString line = QString::fromUtf8(c.commandLine);
    EXPECT_EQ(runModeFor(line), QString::fromUtf8(c.mode)) << c.commandLine;
    EXPECT_EQ(hasTestSwitch(line), c.testSwitch) << c.commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, RunModeTest,
    ::testing::Values(ModeCase{"", "/C", false}, ModeCase{"/c", "/C", false}, ModeCase{"/c:1234", "/C", false},
                      ModeCase{"/s", "/S", false}, ModeCase{"/S", "/S", false}, ModeCase{"/s /t", "/S", true},
                      ModeCase{"/s /T", "/S", false}, ModeCase{"/p 1234", "/P", false},
                      ModeCase{"/a 77", "/A", false}, ModeCase{"/x", "/X", false},
                      ModeCase{"/home/ann/Holiday.css", "/S", false}, ModeCase{"/c/shows/Trip.CsS", "/S", false},
                      ModeCase{"/s  /t", "/S", true}, ModeCase{"/s /tx", "/S", false},
                      ModeCase{"\"/home/ann/Holiday.css\"", "\"/", false}, ModeCase{"s", "S", false}));

struct NumberCase {
    const char* text;
    double value;
};

class LeadingNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumberTest, ReadsLikeTheHostProtocolExpects)
{
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(NumberCase{" 1234", 1234}, NumberCase{"1234", 1234}, NumberCase{":1234", 0},
                      NumberCase{"", 0}, NumberCase{"   \t 42xyz", 42}, NumberCase{"-17", -17},
                      NumberCase{"+8", 8}, NumberCase{"2.5", 2}, NumberCase{"3.5", 4}, NumberCase{"4.51", 5},
                      NumberCase{".5", 0}, NumberCase{"1.5.7", 2}, NumberCase{"12e3", 12}, NumberCase{"-", 0},
                      NumberCase{"- 5", 0}, NumberCase{"\xd9\xa3", 0}));

TEST(CommandLine, HostWindowIsTheNumberAfterTheSwitch)
{
    for (const auto& [line, window] : {std::pair{"/p 1234", 1234U}, {"/P1234", 1234U}, {"/p:1234", 0U}, {"/p", 0U},
                                       {"/p -99", 0U}, {"/p 4294967295", 4294967295U}, {"/p 99999999999999999999", 0U}})
        EXPECT_EQ(hostWindowFrom(QString::fromLatin1(line)), window) << line;
}

// The ways screen-saver daemons hand over a window, and ordinary switches, which are no
// daemon's request; an id that is no number names no window.
TEST(DaemonRequest, ReadsTheWaysScreenSaverDaemonsHandOverAWindow)
{
    const struct {
        QStringList arguments;
        const char* environment;
        bool requested;
        std::uint32_t window;
        bool root;
    } cases[] = {
        {{"--window-id", "0x2a00005"}, "", true, 0x2a00005U, false},
        {{"-window-id", "44040197"}, "", true, 44040197U, false},
        {{"--root"}, "", true, 0, true},
        {{"-root"}, "", true, 0, true},
        {{"-root"}, "0x600001", true, 0x600001U, false},
        {{"--root"}, "nonsense", true, 0, true},
        {{}, "0x600001", true, 0x600001U, false},
        {{"/s"}, "", false, 0, false},
        {{"/p", "1234"}, "0x600001", false, 0, false},
        {{}, "", false, 0, false},
        {{"--window-id", "zebra"}, "", true, 0, false},
        {{"--window-id"}, "", false, 0, false},
    };
    for (const auto& c : cases) {
        const DaemonRequest request = daemonRequest(c.arguments, QString::fromLatin1(c.environment));
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString() + " / " + c.environment;
        EXPECT_EQ(request.requested, c.requested) << what;
        EXPECT_EQ(request.window, c.window) << what;
        EXPECT_EQ(request.root, c.root) << what;
    }
}


// What names an X11 window is refused natively on Wayland, and only there: each
// refusal names what the user typed.
TEST(WaylandRefusal, RefusesWhatNamesAnX11WindowOnlyOnWayland)
{
    const struct {
        QStringList arguments;
        const char* environment;
        const char* platform;
        const char* named;  // nullptr: not refused
    } cases[] = {
        {{"/p", "123"}, "", "wayland", "/p"},
        {{"/P123"}, "", "wayland-egl", "/p"},
        {{"--window-id", "0x2a00005"}, "", "wayland", "--window-id"},
        {{"-root"}, "0x600001", "wayland", "--root"},
        {{}, "0x600001", "wayland", "$XSCREENSAVER_WINDOW"},
        {{"/s"}, "0x600001", "wayland", nullptr},
        {{"/a", "123"}, "", "wayland", nullptr},
        {{}, "", "wayland", nullptr},
        {{"/p", "123"}, "", "xcb", nullptr},
        {{"--root"}, "", "xcb", nullptr},
    };
    for (const auto& c : cases) {
        const bool daemon = daemonRequest(c.arguments, QString::fromLatin1(c.environment)).requested;
        const QString line = refusalOnWayland(c.arguments, daemon, QString::fromLatin1(c.platform));
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString() + " on " + c.platform;
        if (c.named == nullptr) {
            EXPECT_TRUE(line.isEmpty()) << what << ": " << line.toStdString();
            continue;
        }
        EXPECT_TRUE(line.contains(QString::fromLatin1(c.named)) && line.contains(QStringLiteral("Wayland"))
                    && !line.contains(QLatin1Char('\n')))
            << what << ": " << line.toStdString();
    }
}

} // namespace
} // namespace qv
