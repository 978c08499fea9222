#include "components/sound/fx_snd.h"

#include "sound_fixtures.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace qv {
namespace {

using namespace qv::test;

// Longer than any sound below and its queued report.
constexpr int patienceMs = 10000;

QString shortWave()
{
    return writeScratchFile(QStringLiteral("short.wav"), sineWave(0.3));
}

QString shortTune()
{
    return writeScratchFile(QStringLiteral("short.mid"), toQByteArray(simpleTune(3, 96, 48)));
}

void startPlayer(FXSnd& player, const QString& path, bool loop = false)
{
    player.setLoop(loop);
    player.setDeviceType(path.endsWith(QStringLiteral("mid"), Qt::CaseInsensitive) ? FXSnd::deviceMidi
                                                                                    : FXSnd::deviceWaveAudio);
    player.setFileName(path);
}

TEST(FXSndTest, NotifiesOnceWhenWaveAndTuneEnd)
{
    FXSnd wave;
    FXSnd tune;
    QSignalSpy waveEnds(&wave, &FXSnd::Notify);
    QSignalSpy tuneEnds(&tune, &FXSnd::Notify);
    startPlayer(tune, shortTune());
    startPlayer(wave, shortWave());
    // The tune's length comes from the file, the wave's from the decoded sound.
    EXPECT_EQ(tune.lengthMs(), 750);
    EXPECT_EQ(wave.lengthMs(), 300);
    EXPECT_TRUE(wave.isPlaying() && tune.isPlaying());

    ASSERT_TRUE(waveEnds.wait(patienceMs));
    ASSERT_TRUE(tuneEnds.count() == 1 || tuneEnds.wait(patienceMs));
    QTest::qWait(200);
    EXPECT_EQ(waveEnds.count(), 1);
    EXPECT_EQ(tuneEnds.count(), 1);
    EXPECT_FALSE(wave.isPlaying() || tune.isPlaying());
}

struct StopCase {
    std::string name;
    std::function<void(FXSnd&)> stop;
};

class FXSndStopTest : public ::testing::TestWithParam<std::tuple<bool, StopCase>> {};

// Each way the program stops a player: the show's release, the editor's, the random
// setup's, a command alone, and a new path replacing the sound.
TEST_P(FXSndStopTest, StoppedSoundNeverNotifies)
{
    const auto& [midi, stopCase] = GetParam();
    FXSnd player;
    QSignalSpy ends(&player, &FXSnd::Notify);
    startPlayer(player, midi ? shortTune() : shortWave());
    ASSERT_TRUE(player.isPlaying());
    stopCase.stop(player);
    QTest::qWait(1500);
    EXPECT_EQ(ends.count(), 0);
    EXPECT_FALSE(player.isPlaying());
}

INSTANTIATE_TEST_SUITE_P(
    Stops, FXSndStopTest,
    ::testing::Combine(::testing::Bool(),
                       ::testing::Values(
                           StopCase{"ReleaseStopClose",
                                    [](FXSnd& p) {
                                        p.setFileName({});
                                        p.setCommand(FXSnd::commandStop);
                                        p.setCommand(FXSnd::commandClose);
                                    }},
                           StopCase{"ReleaseClose",
                                    [](FXSnd& p) {
                                        p.setFileName({});
                                        p.setCommand(FXSnd::commandClose);
                                    }},
                           StopCase{"StopOnly", [](FXSnd& p) { p.setCommand(FXSnd::commandStop); }})),
    [](const auto& testInfo) {
        return std::string(std::get<0>(testInfo.param) ? "Midi" : "Wave") + std::get<1>(testInfo.param).name;
    });

// The audio thread's reports of their ends arrive after the players are gone.
TEST(FXSndTest, PlayersDestroyedWhilePlayingLeaveNothingBehind)
{
    for (int round = 0; round < 3; ++round) {
        auto wave = std::make_unique<FXSnd>();
        auto tune = std::make_unique<FXSnd>();
        startPlayer(*wave, shortWave());
        startPlayer(*tune, shortTune());
        QTest::qWait(100);
    }
    QTest::qWait(1000);
    FXSnd survivor;
    QSignalSpy ends(&survivor, &FXSnd::Notify);
    startPlayer(survivor, shortWave());
    EXPECT_TRUE(ends.wait(patienceMs));
}

TEST(FXSndTest, ReplacedSoundGivesWayToTheNewOne)
{
    FXSnd player;
    QSignalSpy ends(&player, &FXSnd::Notify);
    startPlayer(player, shortWave());
    startPlayer(player, shortTune());
    startPlayer(player, shortWave());
    ASSERT_TRUE(ends.wait(patienceMs));
    QTest::qWait(1500);
    EXPECT_EQ(ends.count(), 1);
}

TEST(FXSndTest, LoopingSoundKeepsPlayingUntilStopped)
{
    FXSnd wave;
    FXSnd tune;
    QSignalSpy waveEnds(&wave, &FXSnd::Notify);
    QSignalSpy tuneEnds(&tune, &FXSnd::Notify);
    startPlayer(wave, shortWave(), true);
    startPlayer(tune, shortTune(), true);
    QTest::qWait(2000);
    EXPECT_TRUE(wave.isPlaying() && tune.isPlaying());
    EXPECT_EQ(waveEnds.count() + tuneEnds.count(), 0);
}

TEST(FXSndTest, TwoWavePlayersSoundTogether)
{
    FXSnd first;
    FXSnd second;
    QSignalSpy firstEnds(&first, &FXSnd::Notify);
    QSignalSpy secondEnds(&second, &FXSnd::Notify);
    startPlayer(first, shortWave());
    startPlayer(second, writeScratchFile(QStringLiteral("other.wav"), sineWave(0.4)));
    EXPECT_TRUE(first.isPlaying() && second.isPlaying());
    ASSERT_TRUE(firstEnds.wait(patienceMs));
    ASSERT_TRUE(secondEnds.count() == 1 || secondEnds.wait(patienceMs));
}

// There is one music channel: the older tune ends when a newer one takes it, so a
// show waiting for that player's end is not left waiting.
TEST(FXSndTest, TuneCutOffByAnotherPlayersTuneEnds)
{
    FXSnd older;
    FXSnd newer;
    QSignalSpy olderEnds(&older, &FXSnd::Notify);
    startPlayer(older, shortTune(), true);
    startPlayer(newer, shortTune());
    ASSERT_TRUE(olderEnds.wait(patienceMs));
    EXPECT_TRUE(newer.isPlaying());
}

TEST(FXSndTest, FileNamedInAnotherCaseStillPlays)
{
    const QString path = writeScratchFile(QStringLiteral("Mixed Case.Wav"), sineWave(0.3));
    FXSnd player;
    startPlayer(player, path.toUpper());
    EXPECT_EQ(player.lengthMs(), 300);
}

class FXSndBadFileTest : public ::testing::TestWithParam<std::pair<const char*, QByteArray>> {};

TEST_P(FXSndBadFileTest, UnplayableFileEndsAtOnceWithoutHarm)
{
    const auto& [name, bytes] = GetParam();
    const QString path = bytes.isNull() ? scratchPath(QStringLiteral("missing.wav"))
                                        : writeScratchFile(QString::fromLatin1(name), bytes);
    for (const bool loop : {false, true}) {
        FXSnd player;
        QSignalSpy ends(&player, &FXSnd::Notify);
        startPlayer(player, path, loop);
        EXPECT_TRUE(ends.wait(patienceMs)) << name << (loop ? " looping" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, FXSndBadFileTest,
    ::testing::Values(std::pair{"missing.wav", QByteArray()}, std::pair{"empty.wav", QByteArray("")},
                      std::pair{"noise.wav", QByteArray(5000, '\x5A')},
                      std::pair{"cut.wav", sineWave(0.3).left(30)},
                      std::pair{"silence.wav", sineWave(0.0)},
                      std::pair{"header_only.mid", toQByteArray(midiHeader(0, 1, 96))},
                      std::pair{"empty_tune.mid", toQByteArray(join({midiHeader(0, 1, 96), midiTrack(endOfTrack())}))},
                      std::pair{"cut.mid", toQByteArray(simpleTune(3, 96, 48)).chopped(6)},
                      std::pair{"bad_header.mid", QByteArray("MThd\0\0\0\x02", 8)}),
    [](const auto& testInfo) {
        std::string name = testInfo.param.first;
        name[name.find('.')] = '_';
        return name;
    });

} // namespace
} // namespace qv
