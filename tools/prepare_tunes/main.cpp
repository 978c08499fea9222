// Synthesizes MIDI tunes ahead into a folder that the program reads after each
// user's own tune cache, under the names it looks them up by.
// Usage: quintavue-prepare-tunes FOLDER MIDI...
// The package runs it over the sample tunes into the machine's cache folder, and the
// build into the build tree's resources: a new user's first show then plays them
// from there instead of synthesizing each (a point of a core for its first minute).

#include "components/sound/midi_length.h"
#include "components/sound/sound_file.h"
#include "components/sound/sound_fonts.h"
#include "components/sound/sound_preparation.h"
#include "components/sound/tune_cache.h"
#include "components/sound/tune_synthesis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>

namespace {

void say(const QString& line)
{
    std::fprintf(stderr, "quintavue-prepare-tunes: %s\n", qPrintable(line));
}

std::span<const std::uint8_t> asBytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: quintavue-prepare-tunes FOLDER MIDI...\n");
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    const qv::TuneCache tunes(folder);
    // The program's own choice: the waves are named after the soundfonts.
    const QString fonts = qv::chooseSoundFonts();
    if (fonts.isEmpty()) {
        // Waves of a soundfont since removed would never be played again.
        if (QFileInfo(folder).isDir())
            tunes.removeAllBut({});
        say(QStringLiteral("no General MIDI soundfont, so no tune to synthesize"));
        return 0;
    }
    if (!QDir().mkpath(folder)) {
        say(QStringLiteral("cannot create the folder %1").arg(folder));
        return 1;
    }

    QStringList keys;
    bool failed = false;
    for (int i = 2; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        const qv::SoundFileContents file = qv::readSoundFile(path, qv::maxTuneFileBytes);
        const auto timing = file.problem.isEmpty() && qv::looksLikeMidiFile(asBytes(file.bytes))
                                ? qv::midiPlayingTime(asBytes(file.bytes))
                                : std::nullopt;
        if (!timing || timing->damaged) {
            say(QStringLiteral("cannot read %1: %2")
                    .arg(path, file.problem.isEmpty() ? QStringLiteral("not a readable MIDI file") : file.problem));
            failed = true;
            continue;
        }
        // The program synthesizes these neither ahead nor live: it plays them as
        // silence, or leaves them to the mixer's synthesizer as too long to keep.
        const auto length = std::chrono::duration_cast<std::chrono::milliseconds>(timing->length);
        const std::chrono::milliseconds longest = length + qv::tuneTailAllowance;
        if (timing->smpteTiming || length.count() < qv::minimumTuneMs || longest > qv::longestSynthesizedTune)
            continue;

        const QString key = qv::TuneCache::keyFor(file.bytes, fonts);
        keys << key;
        if (tunes.find(key))
            continue;
        const std::atomic<bool> neverCancelled{false};
        const std::optional<QByteArray> wave = qv::synthesizeTune(file.bytes, fonts, longest, neverCancelled);
        if (!wave) {
            say(QStringLiteral("cannot synthesize %1 with %2").arg(path, fonts));
            failed = true;
        } else if (!tunes.store(key, *wave)) {
            say(QStringLiteral("cannot write into %1").arg(folder));
            failed = true;
        }
    }
    tunes.removeAllBut(keys);
    return failed ? 1 : 0;
}
