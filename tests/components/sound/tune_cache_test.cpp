// Tunes synthesized ahead of time and kept between runs.
#include "components/sound/synthesized_tune.h"
#include "components/sound/tune_cache.h"
#include "components/sound/tune_synthesis.h"
#include "components/sound/tune_wave.h"

#include "sound_fixtures.h"
#include "support/test_files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include <sys/stat.h>

namespace qv {
namespace {

using namespace std::chrono_literals;
using namespace qv::test;

const QString soundFont = QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2");

double loudness(const QByteArray& wave)
{
    double sum = 0;
    const qsizetype samples = (wave.size() - 44) / 2;
    for (qsizetype i = 0; i < samples; ++i)
        sum += std::pow(qFromLittleEndian<qint16>(wave.constData() + 44 + 2 * i), 2);
    return samples == 0 ? 0 : std::sqrt(sum / static_cast<double>(samples));
}

// The tune is heard through its length and its release, as the live synthesizer
// plays it (its player stops about 3 s after the last note); a tune that cannot be
// synthesized whole gives nothing.
TEST(TuneSynthesis, WritesTheWholeTuneOrNothing)
{
    if (!QFileInfo::exists(soundFont))
        GTEST_SKIP() << "no General MIDI soundfont";
    const QByteArray tune = toQByteArray(simpleTune(4, 96, 96)); // four half-second notes
    const std::atomic<bool> going{false};
    const std::optional<QByteArray> wave = synthesizeTune(tune, soundFont, 1min, going);
    ASSERT_TRUE(wave);
    const std::optional<qsizetype> dataBytes = tuneWaveDataBytes(*wave);
    ASSERT_TRUE(dataBytes);
    const double seconds = static_cast<double>(*dataBytes) / (tuneSampleRate * tuneBytesPerFrame);
    EXPECT_GT(seconds, 2.0);
    EXPECT_LT(seconds, 2.0 + 4.0);
    EXPECT_GT(loudness(*wave), 100);

    const std::atomic<bool> cancelled{true};
    EXPECT_FALSE(synthesizeTune(tune, soundFont, 1min, cancelled));
    EXPECT_FALSE(synthesizeTune(tune, soundFont, 1s, going)) << "longer than allowed";
    EXPECT_FALSE(synthesizeTune(tune, scratchPath(QStringLiteral("missing.sf2")), 1min, going));
    EXPECT_FALSE(synthesizeTune(tune, QString(), 1min, going));
}

// The mixer reads a tune while it is being written: a read waits for its bytes, ends
// at the tune's true end once that is known, and never passes what the header
// announced; only a tune synthesized whole is kept.
TEST(SynthesizedTuneReading, WaitsForSamplesAndEndsWhereTheTuneEnds)
{
    const auto tune = std::make_shared<SynthesizedTune>(4000);
    SDL_RWops* reader = openReader(tune);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(SDL_RWsize(reader), tuneWaveHeaderBytes + 4000);
    QByteArray read(tuneWaveHeaderBytes + 1000, '\0');
    std::thread writer([&tune] {
        QThread::msleep(50);
        tune->append(QByteArray(600, '\x01'));
        QThread::msleep(50);
        tune->append(QByteArray(600, '\x02'));
    });
    ASSERT_EQ(SDL_RWread(reader, read.data(), 1, static_cast<size_t>(read.size())), static_cast<size_t>(read.size()));
    writer.join();
    EXPECT_TRUE(tuneWaveDataBytes(read.left(tuneWaveHeaderBytes) + QByteArray(4000, '\0')));
    EXPECT_EQ(read.mid(tuneWaveHeaderBytes), QByteArray(600, '\x01') + QByteArray(400, '\x02'));
    EXPECT_FALSE(tune->wholeWave());

    tune->finish(true);
    EXPECT_EQ(SDL_RWread(reader, read.data(), 1, 1000), 200U) << "the true end";
    EXPECT_EQ(tune->wholeWave()->size(), tuneWaveHeaderBytes + 1200);
    SDL_RWseek(reader, tuneWaveHeaderBytes + 4000, RW_SEEK_SET);
    EXPECT_EQ(SDL_RWread(reader, read.data(), 1, 8), 0U) << "past the announced end";
    SDL_RWclose(reader);

    const auto cutShort = std::make_shared<SynthesizedTune>(4000);
    cutShort->append(QByteArray(100, '\x03'));
    cutShort->finish(false);
    EXPECT_FALSE(cutShort->wholeWave());
}

QByteArray someWave(int frames)
{
    const auto header = tuneWaveHeader(static_cast<std::uint32_t>(frames * tuneBytesPerFrame));
    return QByteArray(header.data(), tuneWaveHeaderBytes) + QByteArray(frames * tuneBytesPerFrame, '\x11');
}

class TuneCacheTest : public ::testing::Test {
protected:
    void SetUp() override { QDir(folder).removeRecursively(); }
    const QString folder = scratchPath(QStringLiteral("tunes"));
    QString fileOf(const QString& key) const { return folder + QLatin1Char('/') + key + QStringLiteral(".wav"); }
};

// A stored wave comes back as it went in; one that is damaged, cut off or not a plain
// file counts as missing, and a damaged one is removed so that it is written anew.
TEST_F(TuneCacheTest, GivesBackOnlyWholeWaves)
{
    const TuneCache cache(folder);
    const QByteArray wave = someWave(1000);
    ASSERT_TRUE(cache.store(QStringLiteral("whole"), wave));
    EXPECT_EQ(cache.find(QStringLiteral("whole")), wave);
    EXPECT_FALSE(cache.find(QStringLiteral("absent")));

    const struct {
        const char* key;
        QByteArray bytes;
    } damaged[] = {{"cut", wave.left(wave.size() - 2)},
                   {"grown", wave + QByteArray(4, '\0')},
                   {"mono", QByteArray(wave).replace(22, 1, "\x01")},
                   {"short", wave.left(20)}};
    for (const auto& file : damaged) {
        const QString key = QString::fromLatin1(file.key);
        writeFile(fileOf(key), file.bytes);
        EXPECT_FALSE(cache.find(key)) << file.key;
        EXPECT_FALSE(QFileInfo::exists(fileOf(key))) << file.key;
    }

    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), fileOf(QStringLiteral("device"))));
    ASSERT_EQ(::mkfifo(qPrintable(fileOf(QStringLiteral("pipe"))), 0600), 0);
    for (const char* key : {"device", "pipe"})
        EXPECT_FALSE(cache.find(QString::fromLatin1(key))) << key;
}

// A wave that cannot be stored is reported so and leaves nothing behind: the folder
// cannot be made, or the disk is full.
TEST_F(TuneCacheTest, AFailedStoreLeavesNothing)
{
    writeFile(scratchPath(QStringLiteral("a-file")), "x");
    EXPECT_FALSE(TuneCache(scratchPath(QStringLiteral("a-file/tunes"))).store(QStringLiteral("k"), someWave(10)));

    const TuneCache cache(folder);
    ASSERT_TRUE(cache.store(QStringLiteral("before"), someWave(10)));
    {
        const FileSizeLimit fullDisk(4096);
        EXPECT_FALSE(cache.store(QStringLiteral("big"), someWave(10000)));
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("before.wav")});
}

// The cache keeps within its size by dropping the waves played longest ago.
TEST_F(TuneCacheTest, DropsTheTunesPlayedLongestAgo)
{
    const QByteArray wave = someWave(250); // 1,044 bytes
    const TuneCache cache(folder, 3 * wave.size());
    for (const char* key : {"first", "second", "third"}) {
        ASSERT_TRUE(cache.store(QString::fromLatin1(key), wave));
        QThread::msleep(20); // file times must differ
    }
    ASSERT_TRUE(cache.find(QStringLiteral("first")));
    QThread::msleep(20);
    ASSERT_TRUE(cache.store(QStringLiteral("fourth"), wave));
    QStringList kept = QDir(folder).entryList(QDir::Files);
    kept.sort();
    EXPECT_EQ(kept, (QStringList{QStringLiteral("first.wav"), QStringLiteral("fourth.wav"), QStringLiteral("third.wav")}));
    EXPECT_FALSE(cache.store(QStringLiteral("huge"), someWave(1000)));
}

// Shared folders are read after the cache's own, in order, and only read: a damaged
// wave there counts as missing and stays as it was, and storing writes into the
// cache's own folder alone.
TEST_F(TuneCacheTest, ReadsSharedFoldersAfterItsOwnAndNeverChangesThem)
{
    const QString early = scratchPath(QStringLiteral("shared-early")) + QLatin1Char('/');
    const QString late = scratchPath(QStringLiteral("shared-late")) + QLatin1Char('/');
    for (const QString& shared : {early, late})
        ASSERT_TRUE(QDir(shared).removeRecursively() && QDir().mkpath(shared));
    const QByteArray wave = someWave(100);
    const QByteArray damaged = wave.left(wave.size() - 2);
    writeFile(early + QStringLiteral("shared.wav"), wave);
    writeFile(early + QStringLiteral("mended.wav"), damaged);
    writeFile(late + QStringLiteral("mended.wav"), someWave(200));
    writeFile(early + QStringLiteral("broken.wav"), damaged);
    const QDateTime longAgo = QDateTime::currentDateTimeUtc().addDays(-30);
    {
        QFile file(early + QStringLiteral("shared.wav"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    const TuneCache cache(folder, TuneCache::defaultCapacityBytes, {early, late});

    EXPECT_EQ(cache.find(QStringLiteral("shared")), wave);
    EXPECT_EQ(cache.find(QStringLiteral("mended")), someWave(200));
    EXPECT_FALSE(cache.find(QStringLiteral("broken")));
    EXPECT_EQ(readFile(early + QStringLiteral("broken.wav")), damaged);
    EXPECT_EQ(QFileInfo(early + QStringLiteral("shared.wav")).lastModified(), longAgo) << "not marked as played";

    const QByteArray own = someWave(300);
    ASSERT_TRUE(cache.store(QStringLiteral("shared"), own));
    ASSERT_TRUE(cache.store(QStringLiteral("broken"), own));
    EXPECT_EQ(cache.find(QStringLiteral("shared")), own) << "the cache's own wave comes first";
    EXPECT_EQ(cache.find(QStringLiteral("broken")), own);
    EXPECT_EQ(readFile(early + QStringLiteral("shared.wav")), wave);
    EXPECT_EQ(readFile(early + QStringLiteral("broken.wav")), damaged);
    EXPECT_EQ(QDir(late).entryList(QDir::Files), QStringList{QStringLiteral("mended.wav")});
}

// A folder filled ahead keeps the waves of the tunes asked for and nothing else of
// its own kind.
TEST_F(TuneCacheTest, RemovesAllButTheWavesAskedFor)
{
    const TuneCache cache(folder);
    for (const char* key : {"stale", "kept", "also-stale"})
        ASSERT_TRUE(cache.store(QString::fromLatin1(key), someWave(10)));
    writeFile(folder + QStringLiteral("/notes.txt"), "x");
    cache.removeAllBut({QStringLiteral("kept"), QStringLiteral("absent")});
    QStringList left = QDir(folder).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{QStringLiteral("kept.wav"), QStringLiteral("notes.txt")}));
}

// The key tells tunes and soundfonts apart, and a soundfont changed in place too.
TEST_F(TuneCacheTest, KeyFollowsTheTuneAndTheSoundfont)
{
    const QByteArray tune = toQByteArray(simpleTune(2, 96, 48));
    const QString font = writeScratchFile(QStringLiteral("font.sf2"), "one");
    const QString key = TuneCache::keyFor(tune, font);
    EXPECT_EQ(key, TuneCache::keyFor(tune, font));
    EXPECT_NE(key, TuneCache::keyFor(toQByteArray(simpleTune(3, 96, 48)), font));
    EXPECT_NE(key, TuneCache::keyFor(tune, font + QStringLiteral(";") + font));
    writeFile(font, "other");
    EXPECT_NE(key, TuneCache::keyFor(tune, font));
}

} // namespace
} // namespace qv
