#include "components/sound/tune_synthesis.h"

#include "components/sound/tune_wave.h"

#include <QStringList>
#include <QtEndian>

#include <fluidsynth.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace qv {

namespace {

// About 93 ms of sound: the cancel flag is looked at between blocks.
constexpr int blockFrames = 4096;

struct SettingsDeleter {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
struct PlayerDeleter {
    void operator()(fluid_player_t* player) const { delete_fluid_player(player); }
};

// The same settings the mixer gives its own synthesizer, so that the tune sounds as
// it does played live, except that the tune is timed by the samples written rather
// than by the clock: synthesis then runs as fast as the processor allows.
std::unique_ptr<fluid_settings_t, SettingsDeleter> synthesisSettings()
{
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
    if (!settings)
        return settings;
    fluid_settings_setnum(settings.get(), "synth.sample-rate", tuneSampleRate);
    // The mixer sets its synthesizer's gain to 1.2 at full music volume (measured:
    // the same tune live peaks 1.2 times as high as synthesized at gain 1).
    fluid_settings_setnum(settings.get(), "synth.gain", 1.2);
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    return settings;
}

bool loadSoundFonts(fluid_synth_t* synth, const QString& soundFonts)
{
    const QStringList fonts = soundFonts.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& font : fonts) {
        if (fluid_synth_sfload(synth, font.toLocal8Bit().constData(), 1) == FLUID_FAILED)
            return false;
    }
    return !fonts.isEmpty();
}

} // namespace

bool synthesizeTuneSamples(const QByteArray& midi, const QString& soundFonts, std::chrono::milliseconds longest,
                           const std::atomic<bool>& cancelled, const TuneSampleSink& sink)
{
    const auto settings = synthesisSettings();
    if (!settings)
        return false;
    const std::unique_ptr<fluid_synth_t, SynthDeleter> synth(new_fluid_synth(settings.get()));
    if (!synth || !loadSoundFonts(synth.get(), soundFonts))
        return false;
    const std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth.get()));
    if (!player || fluid_player_add_mem(player.get(), midi.constData(), static_cast<size_t>(midi.size())) != FLUID_OK
        || fluid_player_play(player.get()) != FLUID_OK)
        return false;

    const qint64 mostFrames = longest.count() * tuneSampleRate / 1000;
    std::vector<std::int16_t> block(static_cast<std::size_t>(blockFrames * tuneChannels));
    qint64 frames = 0;
    while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING) {
        if (cancelled.load(std::memory_order_relaxed) || frames >= mostFrames)
            return false;
        if (fluid_synth_write_s16(synth.get(), blockFrames, block.data(), 0, tuneChannels, block.data(), 1, tuneChannels)
            != FLUID_OK)
            return false;
        for (std::int16_t& sample : block)
            sample = qToLittleEndian(sample);
        sink(QByteArrayView(reinterpret_cast<const char*>(block.data()), blockFrames * tuneBytesPerFrame));
        frames += blockFrames;
    }
    return true;
}

std::optional<QByteArray> synthesizeTune(const QByteArray& midi, const QString& soundFonts,
                                         std::chrono::milliseconds longest,
                                         const std::atomic<bool>& cancelled)
{
    QByteArray wave(tuneWaveHeaderBytes, '\0');
    if (!synthesizeTuneSamples(midi, soundFonts, longest, cancelled, [&wave](QByteArrayView samples) { wave.append(samples); }))
        return std::nullopt;
    const auto header = tuneWaveHeader(static_cast<std::uint32_t>(wave.size() - tuneWaveHeaderBytes));
    std::memcpy(wave.data(), header.data(), header.size());
    return wave;
}

} // namespace qv
