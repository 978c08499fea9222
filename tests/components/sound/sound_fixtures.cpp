#include "sound_fixtures.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>

#include <cmath>
#include <numbers>

namespace qv::test {

namespace {

void appendBigEndian(Bytes& out, std::uint32_t value, int width)
{
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendLittleEndian(QByteArray& out, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out.append(static_cast<char>(value >> (8 * i)));
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
    Bytes out{'M', 'T', 'h', 'd'};
    appendBigEndian(out, 6, 4);
    appendBigEndian(out, format, 2);
    appendBigEndian(out, trackCount, 2);
    appendBigEndian(out, division, 2);
    return out;
}

Bytes midiTrack(const Bytes& events)
{
    Bytes out{'M', 'T', 'r', 'k'};
    appendBigEndian(out, static_cast<std::uint32_t>(events.size()), 4);
    out.insert(out.end(), events.begin(), events.end());
    return out;
}

Bytes tempoEvent(std::uint32_t delta, std::uint32_t microsPerQuarter)
{
    Bytes out = join({varLen(delta), {0xFF, 0x51, 0x03}});
    appendBigEndian(out, microsPerQuarter, 3);
    return out;
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
    const auto frames = static_cast<std::uint32_t>(seconds * sampleRate);
    QByteArray out("RIFF");
    appendLittleEndian(out, 36 + frames * 2, 4);
    out.append("WAVEfmt ");
    appendLittleEndian(out, 16, 4);
    appendLittleEndian(out, 1, 2); // PCM
    appendLittleEndian(out, 1, 2); // mono
    appendLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    appendLittleEndian(out, static_cast<std::uint32_t>(sampleRate) * 2, 4);
    appendLittleEndian(out, 2, 2);
    appendLittleEndian(out, 16, 2);
    out.append("data");
    appendLittleEndian(out, frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double value = 20000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * i / sampleRate);
        appendLittleEndian(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2);
    }
    return out;
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
