#include "sound_fixtures.h"
#include "support/test_files.h"

#include "make_sample_media/wav_writer.h"

#include <QDir>
#include <QFile>

#include <cmath>
#include <numbers>

namespace qv::test {

namespace {

Bytes bigEndian(std::uint32_t value, int width)
{
    Bytes out;
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    return out;
}

} // namespace

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

QByteArray toQByteArray(const Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

Bytes varLen(std::uint32_t value)
{
    Bytes out{static_cast<std::uint8_t>(value & 0x7F)};
    while (value >>= 7)
        out.insert(out.begin(), static_cast<std::uint8_t>((value & 0x7F) | 0x80));
    return out;
}

Bytes midiHeader(std::uint16_t format, std::uint16_t trackCount, std::uint16_t division)
{
    return join({{'M', 'T', 'h', 'd'}, bigEndian(6, 4), bigEndian(format, 2), bigEndian(trackCount, 2),
                 bigEndian(division, 2)});
}

Bytes midiTrack(const Bytes& events)
{
    return join({{'M', 'T', 'r', 'k'}, bigEndian(static_cast<std::uint32_t>(events.size()), 4), events});
}

Bytes tempoEvent(std::uint32_t delta, std::uint32_t microsPerQuarter)
{
    return join({varLen(delta), {0xFF, 0x51, 0x03}, bigEndian(microsPerQuarter, 3)});
}

Bytes noteEvents(std::uint32_t delta, std::uint8_t key, std::uint32_t ticks)
{
    return join({varLen(delta), {0x90, key, 0x64}, varLen(ticks), {0x80, key, 0x00}});
}

Bytes endOfTrack(std::uint32_t delta)
{
    return join({varLen(delta), {0xFF, 0x2F, 0x00}});
}

Bytes simpleTune(int notes, std::uint16_t division, std::uint32_t ticksEach)
{
    Bytes events = join({tempoEvent(0, 500'000), {0x00, 0xC0, 0x00}});
    for (int i = 0; i < notes; ++i)
        events = join({events, noteEvents(0, static_cast<std::uint8_t>(60 + 4 * i), ticksEach)});
    return join({midiHeader(0, 1, division), midiTrack(join({events, endOfTrack()}))});
}

QByteArray sineWave(double seconds, int sampleRate)
{
    samples::Sound tone{sampleRate, 1, {}};
    for (int i = 0; i < static_cast<int>(seconds * sampleRate); ++i)
        tone.samples.push_back(static_cast<float>(20000.0 / 32767 * std::sin(2 * std::numbers::pi * 440 * i / sampleRate)));
    return toQByteArray(samples::encodeWav(tone));
}

QString scratchPath(const QString& name)
{
    const QString folder = qEnvironmentVariable("QV_TEST_SCRATCH", QDir::tempPath());
    return QDir(folder).filePath(name);
}

QString writeScratchFile(const QString& name, const QByteArray& bytes)
{
    const QString path = scratchPath(name);
    writeFile(path, bytes);
    return path;
}

} // namespace qv::test
