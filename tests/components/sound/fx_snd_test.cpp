#include "components/sound/fx_snd.h"

#include "sound_fixtures.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

namespace qv {
namespace {

using namespace qv::test;

QString shortWave()
{
    return writeScratchFile(QStringLiteral("short.wav"), sineWave(0.3));
}

QString shortTune()
{
    return writeScratchFile(QStringLiteral("short.mid"), toQByteArray(simpleTune(3, 96, 48)));
}

// Starts as the show does and waits until the file is prepared and playing.
bool startPlaying(FXSnd& player, const QString& path, bool loop = false)
{
    player.setLoop(loop);
    player.setDeviceType(path.endsWith(QStringLiteral("mid"), Qt::CaseInsensitive) ? FXSnd::deviceMidi
                                                                                    : FXSnd::deviceWaveAudio);
    player.setFileName(path);
    return QTest::qWaitFor([&] { return player.lengthMs() >= 0; }, patienceMs);
}

TEST(FXSndTest, WaveTuneAndSecondWaveSoundTogetherAndEachNotifiesOnce)
{
    FXSnd wave, tune, secondWave;
    QSignalSpy waveEnds(&wave, &FXSnd::Notify), tuneEnds(&tune, &FXSnd::Notify),
        secondEnds(&secondWave, &FXSnd::Notify);
    // Started together, as a slide starts its sound while another player's still
    // plays; each long enough to outlast the others' preparation on a busy machine.
    // A file named in another case still plays.
    const std::pair<FXSnd*, QString> sounds[] = {
        {&tune, writeScratchFile(QStringLiteral("long.mid"), toQByteArray(simpleTune(4, 96, 96)))},
        {&wave, writeScratchFile(QStringLiteral("long.wav"), sineWave(1.5))},
        {&secondWave, writeScratchFile(QStringLiteral("Mixed Case.Wav"), sineWave(1.6)).toUpper()}};
    for (const auto& [player, path] : sounds) {
        player->setDeviceType(path.endsWith(QStringLiteral("mid")) ? FXSnd::deviceMidi : FXSnd::deviceWaveAudio);
        player->setFileName(path);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::ranges::all_of(sounds, [](const auto& s) { return s.first->lengthMs() >= 0; }); },
                                patienceMs));
    // The tune's length comes from the file, the waves' from their decoded sound.
    EXPECT_EQ(tune.lengthMs(), 2000);
    EXPECT_EQ(wave.lengthMs(), 1500);
    EXPECT_EQ(secondWave.lengthMs(), 1600);
    EXPECT_TRUE(wave.isPlaying() && tune.isPlaying() && secondWave.isPlaying());

    for (QSignalSpy* ends : {&waveEnds, &tuneEnds, &secondEnds})
        ASSERT_TRUE(ends->count() == 1 || ends->wait(patienceMs));
    QTest::qWait(200);
    EXPECT_EQ(waveEnds.count() + tuneEnds.count() + secondEnds.count(), 3);
}

using StopAction = std::function<void(FXSnd&)>;
class FXSndStopTest : public ::testing::TestWithParam<std::tuple<bool, bool, StopAction>> {};

// Every way the program stops a player: the show's release, the editor's, a command
// alone, and a new path in place of the sound; each while the file is still being
// prepared and while it plays.
TEST_P(FXSndStopTest, StoppedSoundNeverNotifies)
{
    const auto& [midi, whilePlaying, stopPlayer] = GetParam();
    FXSnd player;
    QSignalSpy ends(&player, &FXSnd::Notify);
    player.setFileName(midi ? shortTune() : shortWave());
    if (whilePlaying) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return player.lengthMs() >= 0; }, patienceMs));
    }
    stopPlayer(player);
    QTest::qWait(1500);
    EXPECT_EQ(ends.count(), 0);
}

const StopAction kStops[] = {
    [](FXSnd& p) { p.setFileName({}); p.setCommand(FXSnd::commandStop); p.setCommand(FXSnd::commandClose); },
    [](FXSnd& p) { p.setFileName({}); p.setCommand(FXSnd::commandClose); },
    [](FXSnd& p) { p.setCommand(FXSnd::commandStop); },
    [](FXSnd& p) { p.setFileName(shortWave()); p.setFileName(QStringLiteral("/nonexistent/x.wav")); p.setFileName({}); },
};

INSTANTIATE_TEST_SUITE_P(Stops, FXSndStopTest,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool(), ::testing::ValuesIn(kStops)));

// The audio thread's and the loader's reports arrive after the players are gone.
TEST(FXSndTest, PlayersDestroyedWhilePreparingOrPlayingLeaveNothingBehind)
{
    for (const int waitMs : {0, 100}) {
        auto wave = std::make_unique<FXSnd>();
        auto tune = std::make_unique<FXSnd>();
        wave->setFileName(shortWave());
        tune->setFileName(shortTune());
        QTest::qWait(waitMs);
    }
    QTest::qWait(1000);
    FXSnd survivor;
    QSignalSpy ends(&survivor, &FXSnd::Notify);
    survivor.setFileName(shortWave());
    EXPECT_TRUE(ends.wait(patienceMs));
}

// A looping tune plays on past its end (a looping wave is heard to, in the output
// tests). There is one music channel: the older tune ends when a newer one takes it,
// so a show waiting for that player's end is not left waiting.
TEST(FXSndTest, LoopingTunePlaysOnUntilAnotherPlayersTuneCutsItOff)
{
    FXSnd older, newer;
    QSignalSpy olderEnds(&older, &FXSnd::Notify);
    ASSERT_TRUE(startPlaying(older, shortTune(), true));
    QTest::qWait(2000);
    EXPECT_TRUE(older.isPlaying());
    EXPECT_EQ(olderEnds.count(), 0);
    ASSERT_TRUE(startPlaying(newer, shortTune()));
    ASSERT_TRUE(olderEnds.count() == 1 || olderEnds.wait(patienceMs));
    EXPECT_TRUE(newer.isPlaying());
}

// Even looping, an unplayable file ends at once, so a show that waits for the end
// of one random sound before it starts the next goes on.
TEST(FXSndTest, UnplayableFileEndsAtOnce)
{
    const std::pair<const char*, QByteArray> files[] = {
        {"missing.wav", QByteArray()}, {"empty.wav", QByteArray("")}, {"noise.wav", QByteArray(5000, '\x5A')},
        {"cut.wav", sineWave(0.3).left(30)}, {"silence.wav", sineWave(0.0)},
        {"header_only.mid", toQByteArray(midiHeader(0, 1, 96))},
        {"empty_tune.mid", toQByteArray(join({midiHeader(0, 1, 96), midiTrack(endOfTrack())}))},
        {"cut.mid", toQByteArray(simpleTune(3, 96, 48)).chopped(6)}};
    for (const auto& [name, bytes] : files) {
        const QString path = bytes.isNull() ? scratchPath(QString::fromLatin1(name))
                                            : writeScratchFile(QString::fromLatin1(name), bytes);
        for (const bool loop : {false, true}) {
            FXSnd player;
            QSignalSpy ends(&player, &FXSnd::Notify);
            player.setLoop(loop);
            player.setFileName(path);
            EXPECT_TRUE(ends.wait(patienceMs)) << name << (loop ? " looping" : "");
        }
    }
}

} // namespace
} // namespace qv
