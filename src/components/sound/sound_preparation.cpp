#include "components/sound/sound_preparation.h"

#include "components/sound/midi_length.h"
#include "components/sound/sound_file.h"
#include "components/sound/tune_synthesizer.h"
#include "components/sound/tune_wave.h"
#include "components/sound/wave_length.h"

#include <optional>

#include <algorithm>
#include <span>

namespace qv {

namespace {

std::span<const std::uint8_t> asBytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

PreparedSound unplayable(const QString& problem)
{
    PreparedSound sound;
    sound.problem = problem;
    return sound;
}

PreparedSound prepareTune(QByteArray bytes, const AudioEngine& engine, const TuneCache* tunes)
{
    if (bytes.size() > maxTuneFileBytes)
        return unplayable(QStringLiteral("too large for a MIDI file"));
    const auto timing = midiPlayingTime(asBytes(bytes));
    // The synthesizer refuses damaged files whole.
    if (!timing || timing->damaged)
        return unplayable(QStringLiteral("not a readable MIDI file"));

    PreparedSound sound;
    sound.kind = PreparedSound::Kind::Tune;
    sound.lengthMs = std::chrono::duration_cast<std::chrono::milliseconds>(timing->length).count();
    // A tune the synthesizer cannot time plays as silence of its true length.
    if (sound.lengthMs < minimumTuneMs || timing->smpteTiming)
        return sound;
    if (tunes != nullptr && engine.isOpen() && !engine.soundFonts().isEmpty()) {
        const QString key = TuneCache::keyFor(bytes, engine.soundFonts());
        if (std::optional<QByteArray> wave = tunes->find(key)) {
            sound.tuneBytes = std::move(*wave);
            sound.music = engine.openMusic(sound.tuneBytes);
            if (sound.music)
                return sound;
        }
        const auto tune = TuneSynthesizer::instance().start(key, bytes, engine.soundFonts(),
                                                            std::chrono::milliseconds(sound.lengthMs));
        // A second of lead keeps the mixer from ever waiting on a slow start.
        if (tune && tune->waitForLead(tuneSampleRate * tuneBytesPerFrame)) {
            sound.music = engine.openMusic(openReader(tune));
            if (sound.music)
                return sound;
        }
    }
    sound.tuneBytes = std::move(bytes);
    sound.music = engine.openMusic(sound.tuneBytes);
    return sound;
}

PreparedSound prepareWave(const QByteArray& bytes, const AudioEngine& engine)
{
    if (bytes.size() > maxWaveFileBytes)
        return unplayable(QStringLiteral("too large for a wave file"));
    PreparedSound sound;
    sound.kind = PreparedSound::Kind::Wave;
    if (!engine.isOpen()) {
        sound.lengthMs = waveLengthMs(bytes);
        return sound;
    }
    sound.chunk = engine.decodeWave(bytes);
    if (!sound.chunk)
        return unplayable(QString::fromUtf8(Mix_GetError()));
    sound.lengthMs = qint64{sound.chunk->alen} * 1000 / std::max(1, engine.bytesPerSecond());
    return sound;
}

} // namespace

PreparedSound prepareSound(const QString& path, const AudioEngine& engine, const TuneCache* tunes)
{
    SoundFileContents file = readSoundFile(path, std::max(maxWaveFileBytes, maxTuneFileBytes));
    if (!file.problem.isEmpty())
        return unplayable(file.problem);
    if (looksLikeMidiFile(asBytes(file.bytes)))
        return prepareTune(std::move(file.bytes), engine, tunes);
    return prepareWave(file.bytes, engine);
}

} // namespace qv
