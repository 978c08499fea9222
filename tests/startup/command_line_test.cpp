#include "startup/command_line.h"
#include "startup/wayland_refusal.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(CommandLine, ChoosesModeFromFirstTwoCharactersOrShowFile)
{
    const struct {
        const char* commandLine;
        const char* mode;
        bool testSwitch;
    } cases[] = {{"", "/C", false}, {"/c", "/C", false}, {"/c:1234", "/C", false}, {"/s", "/S", false},
                 {"/S", "/S", false}, {"/s /t", "/S", true}, {"/s /T", "/S", false}, {"/p 1234", "/P", false},
                 {"/a 77", "/A", false}, {"/x", "/X", false}, {"/home/ann/Holiday.css", "/S", false},
                 {"/c/shows/Trip.CsS", "/S", false}, {"/s  /t", "/S", true}, {"/s /tx", "/S", false},
                 {"\"/home/ann/Holiday.css\"", "\"/", false}, {"s", "S", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(runModeFor(QString::fromUtf8(c.commandLine)), QString::fromUtf8(c.mode)) << c.commandLine;
        EXPECT_EQ(hasTestSwitch(QString::fromUtf8(c.commandLine)), c.testSwitch) << c.commandLine;
    }
}

TEST(CommandLine, LeadingNumberReadsLikeTheHostProtocolExpects)
{
    for (const auto& [text, value] : {std::pair{" 1234", 1234}, {"1234", 1234}, {":1234", 0}, {"", 0}, {"   \t 42xyz", 42},
                                      {"-17", -17}, {"+8", 8}, {"2.5", 2}, {"3.5", 4}, {"4.51", 5}, {".5", 0},
                                      {"1.5.7", 2}, {"12e3", 12}, {"-", 0}, {"- 5", 0}, {"\xd9\xa3", 0}})
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(text)), value) << text;
}

TEST(CommandLine, HostWindowIsTheNumberAfterTheSwitch)
{
    for (const auto& [line, window] : {std::pair{"/p 1234", 1234U}, {"/P1234", 1234U}, {"/p:1234", 0U}, {"/p", 0U},
                                       {"/p -99", 0U}, {"/p 4294967295", 4294967295U}, {"/p 99999999999999999999", 0U}})
        EXPECT_EQ(hostWindowFrom(QString::fromLatin1(line)), window) << line;
}

// The ways screen-saver daemons hand over a window, and ordinary switches, which are no
// daemon's request; an id that is no number names no window. What names an X11 window is
// refused natively on Wayland, and only there: each refusal names what the user typed.
TEST(DaemonRequest, ReadsTheWaysDaemonsHandOverAWindowAndWaylandRefusesThem)
{
    const struct {
        QStringList arguments;
        const char* environment;
        bool requested;
        std::uint32_t window;
        bool root;
        const char* refusalNames;  // nullptr: not refused on Wayland either
    } cases[] = {
        {{"--window-id", "0x2a00005"}, "", true, 0x2a00005U, false, "--window-id"},
        {{"-window-id", "44040197"}, "", true, 44040197U, false, "--window-id"},
        {{"--root"}, "", true, 0, true, "--root"},
        {{"-root"}, "", true, 0, true, "--root"},
        {{"-root"}, "0x600001", true, 0x600001U, false, "--root"},
        {{"--root"}, "nonsense", true, 0, true, "--root"},
        {{}, "0x600001", true, 0x600001U, false, "$XSCREENSAVER_WINDOW"},
        {{"/s"}, "", false, 0, false, nullptr},
        {{"/s"}, "0x600001", false, 0, false, nullptr},
        {{"/p", "1234"}, "0x600001", false, 0, false, "/p"},
        {{"/P123"}, "", false, 0, false, "/p"},
        {{"/a", "123"}, "", false, 0, false, nullptr},
        {{}, "", false, 0, false, nullptr},
        {{"--window-id", "zebra"}, "", true, 0, false, "--window-id"},
        {{"--window-id"}, "", false, 0, false, nullptr},
    };
    for (const auto& c : cases) {
        const DaemonRequest request = daemonRequest(c.arguments, QString::fromLatin1(c.environment));
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString() + " / " + c.environment;
        EXPECT_EQ(request.requested, c.requested) << what;
        EXPECT_EQ(request.window, c.window) << what;
        EXPECT_EQ(request.root, c.root) << what;
        for (const char* platform : {"wayland", "wayland-egl", "xcb"}) {
            const QString line = refusalOnWayland(c.arguments, request.requested, QString::fromLatin1(platform));
            if (c.refusalNames == nullptr || platform == std::string("xcb"))
                EXPECT_TRUE(line.isEmpty()) << what << " on " << platform << ": " << line.toStdString();
            else
                EXPECT_TRUE(line.contains(QString::fromLatin1(c.refusalNames)) && line.contains(QStringLiteral("Wayland"))
                            && !line.contains(QLatin1Char('\n')))
                    << what << " on " << platform << ": " << line.toStdString();
        }
    }
}

} // namespace
} // namespace qv
