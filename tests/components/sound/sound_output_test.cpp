// What reaches the speakers, through SDL's disk driver: it writes the mixed output
// as raw 16-bit stereo at 44.1 kHz to a file, in real time.
#include "components/sound/fx_snd.h"
#include "components/sound/tune_cache.h"
#include "components/sound/tune_synthesis.h"
#include "components/sound/tune_synthesizer.h"

#include "sound_fixtures.h"
#include "make_sample_media/wav_writer.h"
#include "support/test_files.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QtEndian>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace qv {
namespace {

using namespace qv::test;

constexpr qint64 bytesPerSecond = 44100 * 2 * 2;

qint64 bytesFor(double seconds)
{
    return static_cast<qint64>(seconds * bytesPerSecond) & ~qint64{3};
}

class SoundOutputTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Before the first player opens the output.
        qputenv("SDL_DISKAUDIOFILE", outputPath().toLocal8Bit());
    }

    static QString outputPath() { return scratchPath(QStringLiteral("output.raw")); }

    static qint64 outputSize() { return QFileInfo(outputPath()).size(); }

    static bool waitForOutput(qint64 size)
    {
        return QTest::qWaitFor([=] { return outputSize() >= size; }, patienceMs);
    }

    // Root mean square of the samples written between two byte offsets; -1 if none were.
    static double loudness(qint64 from, qint64 to)
    {
        const QByteArray bytes = test::readFile(outputPath()).mid(from, to - from);
        double sum = 0;
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            sum += std::pow(qFromLittleEndian<qint16>(bytes.constData() + i), 2);
        return bytes.size() < 2 ? -1.0 : std::sqrt(sum / static_cast<double>(bytes.size() / 2));
    }

    // Starts the player and returns where in the output its sound begins.
    static qint64 play(FXSnd& player, const QString& path, bool loop = false)
    {
        player.setLoop(loop);
        player.setFileName(path);
        EXPECT_TRUE(QTest::qWaitFor([&] { return player.lengthMs() >= 0; }, patienceMs));
        return outputSize();
    }
};

// A sine at 20000 peaks at an RMS near 14000; silence is exactly 0.
constexpr double audible = 1000;
constexpr double quiet = 20;

// A wave is heard while it lasts, a tune too (where a General MIDI soundfont is
// installed); a file that cannot be read is silence. Each ends.
TEST_F(SoundOutputTest, SoundsReachTheOutputAndAnUnreadableFileIsSilence)
{
    const bool soundfont = QFileInfo::exists(QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"))
                        || !qEnvironmentVariableIsEmpty("QUINTAVUE_SOUNDFONT");
    const struct {
        const char* name;
        QByteArray bytes;
        double seconds;
        double atLeast;  // the loudness heard; 0: silence
    } files[] = {{"tone.wav", sineWave(0.5), 0.8, audible},
                 {"tune.mid", toQByteArray(simpleTune(3, 96, 48)), 1.0, soundfont ? quiet * 5 : -1},
                 {"noise.wav", QByteArray(20000, '\x7F'), 0.5, 0}};
    for (const auto& file : files) {
        if (file.atLeast < 0)
            continue;  // no soundfont to play the tune with
        FXSnd player;
        QSignalSpy ends(&player, &FXSnd::Notify);
        const qint64 start = play(player, writeScratchFile(QString::fromLatin1(file.name), file.bytes));
        ASSERT_TRUE(ends.wait(patienceMs)) << file.name;
        ASSERT_TRUE(waitForOutput(start + bytesFor(file.seconds)));
        const double level = loudness(start, start + bytesFor(file.seconds));
        EXPECT_TRUE(file.atLeast > 0 ? level > file.atLeast : level >= 0 && level < quiet) << file.name << " at " << level;
    }
}

TEST_F(SoundOutputTest, LoopRepeatsUntilStoppedAndStopSilences)
{
    FXSnd player;
    QSignalSpy ends(&player, &FXSnd::Notify);
    const qint64 start = play(player, writeScratchFile(QStringLiteral("blip.wav"), sineWave(0.3)), true);
    ASSERT_TRUE(waitForOutput(start + bytesFor(1.5)));
    // Well past the end of a single pass.
    EXPECT_GT(loudness(start + bytesFor(0.9), start + bytesFor(1.5)), audible);

    player.setFileName({});
    player.setCommand(FXSnd::commandStop);
    player.setCommand(FXSnd::commandClose);
    const qint64 stoppedAt = outputSize();
    ASSERT_TRUE(waitForOutput(stoppedAt + bytesFor(1.0)));
    // What was mixed before the stop may still be in SDL's buffers.
    EXPECT_LT(loudness(stoppedAt + bytesFor(0.3), stoppedAt + bytesFor(1.0)), quiet);
    EXPECT_EQ(ends.count(), 0);
}

// Between sounds the device is closed, so that SDL's audio thread sleeps; the next
// sound opens it again and is heard whole, from its first sample (the disk driver
// starts its file afresh at each opening, so the file then holds that sound alone).
TEST_F(SoundOutputTest, DeviceClosesAfterTheLastSoundAndTheNextIsHeardWhole)
{
    // In the output's own format, so every sample reaches the file unchanged.
    const samples::Sound level{44100, 2, std::vector<float>(2 * 44100 / 4, 0.375F)};
    const QByteArray wave = toQByteArray(samples::encodeWav(level));
    const QString path = writeScratchFile(QStringLiteral("level.wav"), wave);
    const qint16 sample = qFromLittleEndian<qint16>(wave.constData() + 44);
    const AudioEngine& engine = AudioEngine::instance();
    FXSnd player;
    QSignalSpy ends(&player, &FXSnd::Notify);
    for (int round = 0; round < 2; ++round) {
        play(player, path);
        ASSERT_TRUE(ends.wait(patienceMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !engine.isOpen(); }, patienceMs)) << "round " << round;
    }
    const QByteArray output = test::readFile(outputPath());
    qsizetype heard = 0;
    for (qsizetype i = 0; i + 1 < output.size(); i += 2)
        heard += qFromLittleEndian<qint16>(output.constData() + i) == sample ? 1 : 0;
    EXPECT_EQ(heard, static_cast<qsizetype>(level.samples.size()));
}

// A tune the cache lacks plays while it is being synthesized, and is kept; later it
// plays from the cache. Both times what is heard is, sample for sample, the tune as
// synthesized ahead (which is what the mixer's own synthesizer makes of it too).
TEST_F(SoundOutputTest, ATuneIsSynthesizedOnceAndHeardWhole)
{
    const QString fonts = AudioEngine::instance().soundFonts();
    if (fonts.isEmpty())
        GTEST_SKIP() << "no General MIDI soundfont";
    const QByteArray tune = toQByteArray(simpleTune(4, 96, 96));
    const QString path = writeScratchFile(QStringLiteral("four.mid"), tune);
    const std::atomic<bool> going{false};
    const std::optional<QByteArray> wave = synthesizeTune(tune, fonts, std::chrono::minutes(1), going);
    ASSERT_TRUE(wave);
    const QByteArray firstSeconds = wave->mid(44, bytesFor(2.0));
    FXSnd player;
    QSignalSpy ends(&player, &FXSnd::Notify);
    const auto heard = [&](const QByteArray& samples) {
        const qint64 start = play(player, path);
        return ends.wait(patienceMs) && waitForOutput(start + bytesFor(2.5))
            && test::readFile(outputPath()).mid(start).contains(samples);
    };
    EXPECT_TRUE(heard(wave->mid(44, bytesFor(2.0)))) << "synthesized while heard";
    TuneSynthesizer::instance().waitForAll();
    const TuneCache cache(TuneCache::userFolder());
    const QString key = TuneCache::keyFor(tune, fonts);
    EXPECT_EQ(cache.find(key), wave);

    // Stored under the tune's name, a wave of other samples is what it plays from now.
    QByteArray planted = *wave;
    std::fill(planted.begin() + 44, planted.end(), '\x05');
    ASSERT_TRUE(cache.store(key, planted));
    EXPECT_TRUE(heard(planted.mid(44, bytesFor(2.0)))) << "from the cache";
}

} // namespace
} // namespace qv
