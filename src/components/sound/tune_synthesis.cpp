#include "components/sound/tune_synthesis.h"

#include <QStringList>
#include <QtEndian>

#include <fluidsynth.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace qv {

namespace {

constexpr int channels = 2;
constexpr int bytesPerFrame = channels * 2;
constexpr qsizetype headerBytes = 44;
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

void putLe16(char* at, std::uint16_t value) { qToLittleEndian(value, at); }
void putLe32(char* at, std::uint32_t value) { qToLittleEndian(value, at); }

// The header for `dataBytes` of sample data, the only form the cache writes.
std::array<char, headerBytes> waveHeader(std::uint32_t dataBytes)
{
    std::array<char, headerBytes> header{};
    char* at = header.data();
    std::memcpy(at, "RIFF", 4);
    putLe32(at + 4, dataBytes + headerBytes - 8);
    std::memcpy(at + 8, "WAVEfmt ", 8);
    putLe32(at + 16, 16);
    putLe16(at + 20, 1); // integer PCM
    putLe16(at + 22, channels);
    putLe32(at + 24, tuneSampleRate);
    putLe32(at + 28, tuneSampleRate * bytesPerFrame);
    putLe16(at + 32, bytesPerFrame);
    putLe16(at + 34, 16);
    std::memcpy(at + 36, "data", 4);
    putLe32(at + 40, dataBytes);
    return header;
}

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

std::optional<QByteArray> synthesizeTune(const QByteArray& midi, const QString& soundFonts,
                                         std::chrono::milliseconds longest,
                                         const std::atomic<bool>& cancelled)
{
    const auto settings = synthesisSettings();
    if (!settings)
        return std::nullopt;
    const std::unique_ptr<fluid_synth_t, SynthDeleter> synth(new_fluid_synth(settings.get()));
    if (!synth || !loadSoundFonts(synth.get(), soundFonts))
        return std::nullopt;
    const std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth.get()));
    if (!player || fluid_player_add_mem(player.get(), midi.constData(), static_cast<size_t>(midi.size())) != FLUID_OK
        || fluid_player_play(player.get()) != FLUID_OK)
        return std::nullopt;

    const qint64 mostFrames = longest.count() * tuneSampleRate / 1000;
    QByteArray wave(headerBytes, '\0');
    std::vector<std::int16_t> block(static_cast<std::size_t>(blockFrames * channels));
    qint64 frames = 0;
    while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING) {
        if (cancelled.load(std::memory_order_relaxed) || frames >= mostFrames)
            return std::nullopt;
        if (fluid_synth_write_s16(synth.get(), blockFrames, block.data(), 0, channels, block.data(), 1, channels)
            != FLUID_OK)
            return std::nullopt;
        for (std::int16_t& sample : block)
            sample = qToLittleEndian(sample);
        wave.append(reinterpret_cast<const char*>(block.data()), blockFrames * bytesPerFrame);
        frames += blockFrames;
    }
    const auto header = waveHeader(static_cast<std::uint32_t>(frames * bytesPerFrame));
    std::memcpy(wave.data(), header.data(), header.size());
    return wave;
}

std::optional<qsizetype> synthesizedWaveDataBytes(QByteArrayView wave)
{
    if (wave.size() < headerBytes)
        return std::nullopt;
    const qsizetype dataBytes = wave.size() - headerBytes;
    if (dataBytes % bytesPerFrame != 0 || dataBytes > std::numeric_limits<std::uint32_t>::max() - headerBytes)
        return std::nullopt;
    const auto expected = waveHeader(static_cast<std::uint32_t>(dataBytes));
    if (std::memcmp(wave.data(), expected.data(), expected.size()) != 0)
        return std::nullopt;
    return dataBytes;
}

} // namespace qv
