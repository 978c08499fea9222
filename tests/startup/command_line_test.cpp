#include "startup/command_line.h"
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
                      ModeCase{"/tmp/shows/holiday.css", "/S", false}, ModeCase{"/home/tom/x.css", "/S", false},
                      ModeCase{"/s  /t", "/S", true}, ModeCase{"/s /tx", "/S", false},
                      ModeCase{"\"/home/ann/Holiday.css\"", "\"/", false}, ModeCase{"s", "S", false}));

TEST(CommandLine, OnlyTheFourWindowModesOpenAnything)
{
    EXPECT_TRUE(selectsAnyMode(QString()));
    EXPECT_TRUE(selectsAnyMode(QStringLiteral("/p:1234")));
    EXPECT_TRUE(selectsAnyMode(QStringLiteral("holiday.css")));
    EXPECT_FALSE(selectsAnyMode(QStringLiteral("/x")));
    EXPECT_FALSE(selectsAnyMode(QStringLiteral("\"holiday.css\"")));
}

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
    EXPECT_EQ(hostWindowFrom(QStringLiteral("/p 1234")), 1234U);
    EXPECT_EQ(hostWindowFrom(QStringLiteral("/P1234")), 1234U);
    EXPECT_EQ(hostWindowFrom(QStringLiteral("/p:1234")), 0U);
    EXPECT_EQ(hostWindowFrom(QStringLiteral("/p")), 0U);
    EXPECT_EQ(hostWindowFrom(QStringLiteral("/p -99")), 0U);
    EXPECT_EQ(hostWindowFrom(QStringLiteral("/p 4294967295")), 4294967295U);
    EXPECT_EQ(hostWindowFrom(QStringLiteral("/p 99999999999999999999")), 0U);
}

TEST(CommandLine, ArgumentsJoinIntoOneText)
{
    EXPECT_EQ(commandLineText({QStringLiteral("/p"), QStringLiteral("1234")}), QStringLiteral("/p 1234"));
    EXPECT_EQ(commandLineText({QStringLiteral("/home/ann/My Shows/a.css")}), QStringLiteral("/home/ann/My Shows/a.css"));
    EXPECT_EQ(commandLineText({}), QString());
}

} // namespace
} // namespace qv

namespace qv {
namespace {

TEST(DaemonRequest, ReadsTheWaysScreenSaverDaemonsHandOverAWindow)
{
    const DaemonRequest byId = daemonRequest({QStringLiteral("--window-id"), QStringLiteral("0x2a00005")}, QString());
    EXPECT_TRUE(byId.requested);
    EXPECT_EQ(byId.window, 0x2a00005U);
    EXPECT_FALSE(byId.root);

    const DaemonRequest oldStyle = daemonRequest({QStringLiteral("-window-id"), QStringLiteral("44040197")}, QString());
    EXPECT_EQ(oldStyle.window, 44040197U);

    EXPECT_TRUE(daemonRequest({QStringLiteral("--root")}, QString()).root);
    EXPECT_TRUE(daemonRequest({QStringLiteral("-root")}, QString()).requested);

    const DaemonRequest fromEnvironment = daemonRequest({}, QStringLiteral("0x600001"));
    EXPECT_TRUE(fromEnvironment.requested);
    EXPECT_EQ(fromEnvironment.window, 0x600001U);
}

TEST(DaemonRequest, OrdinarySwitchesAreNotDaemonRequests)
{
    EXPECT_FALSE(daemonRequest({QStringLiteral("/s")}, QString()).requested);
    EXPECT_FALSE(daemonRequest({QStringLiteral("/p"), QStringLiteral("1234")}, QStringLiteral("0x600001")).requested);
    EXPECT_FALSE(daemonRequest({}, QString()).requested);
    // An id that is no number names no window.
    const DaemonRequest junk = daemonRequest({QStringLiteral("--window-id"), QStringLiteral("zebra")}, QString());
    EXPECT_TRUE(junk.requested);
    EXPECT_EQ(junk.window, 0U);
    EXPECT_FALSE(daemonRequest({QStringLiteral("--window-id")}, QString()).requested);
}

} // namespace
} // namespace qv
