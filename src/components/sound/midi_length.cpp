#include "components/sound/midi_length.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <vector>

namespace qv {

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint32_t defaultMicrosPerQuarter = 500'000; // 120 beats a minute
constexpr std::int64_t maxMicros = std::numeric_limits<std::int64_t>::max();

// A cursor over bytes that never reads past the end: every read says whether the
// bytes were there.
class ByteReader {
public:
    explicit ByteReader(Bytes bytes) : bytes_(bytes) {}

    bool atEnd() const { return position_ >= bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - position_; }

    std::optional<std::uint8_t> peek() const
    {
        if (atEnd())
            return std::nullopt;
        return bytes_[position_];
    }

    std::optional<std::uint8_t> byte()
    {
        const auto value = peek();
        if (value)
            ++position_;
        return value;
    }

    std::optional<std::uint32_t> bigEndian(int width)
    {
        if (remaining() < static_cast<std::size_t>(width))
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i)
            value = (value << 8) | bytes_[position_++];
        return value;
    }

    std::optional<std::uint32_t> littleEndian32()
    {
        if (remaining() < 4)
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | bytes_[position_ + static_cast<std::size_t>(i)];
        position_ += 4;
        return value;
    }

    // A variable-length quantity: at most four bytes of seven bits each.
    std::optional<std::uint32_t> variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto next = byte();
            if (!next)
                return std::nullopt;
            value = (value << 7) | (*next & 0x7Fu);
            if ((*next & 0x80u) == 0)
                return value;
        }
        return std::nullopt;
    }

    // Up to `count` bytes; fewer when the data ends first.
    Bytes take(std::size_t count)
    {
        const std::size_t available = std::min(count, remaining());
        const Bytes part = bytes_.subspan(position_, available);
        position_ += available;
        return part;
    }

    bool matches(std::string_view tag)
    {
        if (remaining() < tag.size())
            return false;
        for (std::size_t i = 0; i < tag.size(); ++i) {
            if (bytes_[position_ + i] != static_cast<std::uint8_t>(tag[i]))
                return false;
        }
        position_ += tag.size();
        return true;
    }

private:
    Bytes bytes_;
    std::size_t position_ = 0;
};

struct TempoChange {
    std::uint64_t tick;
    std::uint32_t microsPerQuarter;
};

struct TrackEnd {
    std::uint64_t tick = 0;
    bool damaged = false;
};

std::uint64_t addTicks(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
    return b > limit - a ? limit : a + b;
}

std::int64_t addMicros(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? maxMicros : sum;
}

// `ticks` at a fixed rate of `micros` per `ticksPer` ticks, without overflow.
std::int64_t ticksToMicros(std::uint64_t ticks, std::uint64_t micros, std::uint64_t ticksPer)
{
    const std::uint64_t whole = ticks / ticksPer;
    const std::uint64_t rest = ticks % ticksPer;
    std::uint64_t wholeMicros = 0;
    if (__builtin_mul_overflow(whole, micros, &wholeMicros) || wholeMicros > static_cast<std::uint64_t>(maxMicros))
        return maxMicros;
    // Every caller's rate keeps rest * micros far below 2^64.
    const std::uint64_t restMicros = rest * micros / ticksPer;
    return addMicros(static_cast<std::int64_t>(wholeMicros), static_cast<std::int64_t>(restMicros));
}

int dataBytesOf(std::uint8_t status)
{
    const std::uint8_t kind = status & 0xF0u;
    return (kind == 0xC0u || kind == 0xD0u) ? 1 : 2;
}

// Walks one track's events, collecting tempo changes, up to its end-of-track event
// or the end of its bytes.
TrackEnd scanTrack(Bytes track, std::vector<TempoChange>& tempoChanges)
{
    ByteReader reader(track);
    TrackEnd end;
    std::uint8_t runningStatus = 0;
    while (!reader.atEnd()) {
        const auto delta = reader.variableLength();
        const auto first = reader.peek();
        if (!delta || !first)
            return {end.tick, true};
        const std::uint64_t eventTick = addTicks(end.tick, *delta);

        std::uint8_t status = *first;
        if (status < 0x80u) {
            if (runningStatus == 0)
                return {end.tick, true};
            status = runningStatus;
        } else {
            reader.byte();
        }

        if (status == 0xFFu) {
            runningStatus = 0;
            const auto type = reader.byte();
            const auto length = type ? reader.variableLength() : std::nullopt;
            if (!length)
                return {end.tick, true};
            const Bytes data = reader.take(*length);
            if (data.size() < *length)
                return {end.tick, true};
            end.tick = eventTick;
            if (*type == 0x2Fu)
                return end;
            if (*type == 0x51u && data.size() == 3) {
                const std::uint32_t tempo = (std::uint32_t{data[0]} << 16) | (std::uint32_t{data[1]} << 8) | data[2];
                if (tempo > 0)
                    tempoChanges.push_back({eventTick, tempo});
            }
        } else if (status == 0xF0u || status == 0xF7u) {
            runningStatus = 0;
            const auto length = reader.variableLength();
            if (!length || reader.take(*length).size() < *length)
                return {end.tick, true};
            end.tick = eventTick;
        } else if (status > 0xF0u) {
            // System common and real-time messages have no place in a file.
            return {end.tick, true};
        } else {
            runningStatus = status;
            const int count = dataBytesOf(status);
            if (reader.take(static_cast<std::size_t>(count)).size() < static_cast<std::size_t>(count))
                return {end.tick, true};
            end.tick = eventTick;
        }
    }
    return end;
}

// The bare MIDI file inside an "RMID" RIFF container, or the bytes themselves.
std::optional<Bytes> unwrapRiff(Bytes file)
{
    ByteReader reader(file);
    if (!reader.matches("RIFF"))
        return file;
    if (!reader.littleEndian32() || !reader.matches("RMID"))
        return std::nullopt;
    while (!reader.atEnd()) {
        const bool isData = reader.matches("data");
        if (!isData && reader.take(4).size() < 4)
            return std::nullopt;
        const auto size = reader.littleEndian32();
        if (!size)
            return std::nullopt;
        const Bytes body = reader.take(*size);
        if (isData)
            return body;
        reader.take(*size & 1u);
    }
    return std::nullopt;
}

std::int64_t tempoMappedMicros(std::uint64_t endTick, std::uint32_t ticksPerQuarter,
                               std::vector<TempoChange>& tempoChanges)
{
    // A stable sort keeps file order among changes at the same tick: the last wins.
    std::stable_sort(tempoChanges.begin(), tempoChanges.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    std::int64_t micros = 0;
    std::uint64_t tick = 0;
    std::uint32_t tempo = defaultMicrosPerQuarter;
    for (const TempoChange& change : tempoChanges) {
        if (change.tick >= endTick)
            break;
        micros = addMicros(micros, ticksToMicros(change.tick - tick, tempo, ticksPerQuarter));
        tick = change.tick;
        tempo = change.microsPerQuarter;
    }
    return addMicros(micros, ticksToMicros(endTick - tick, tempo, ticksPerQuarter));
}

std::int64_t smpteMicros(std::uint64_t endTick, std::uint16_t division)
{
    const int framesPerSecond = 256 - (division >> 8);
    const std::uint64_t ticksPerFrame = division & 0xFFu;
    // "29" stands for the 29.97 frames a second of drop-frame time code.
    if (framesPerSecond == 29)
        return ticksToMicros(endTick, 100'000'000, 2997 * ticksPerFrame);
    return ticksToMicros(endTick, 1'000'000, static_cast<std::uint64_t>(framesPerSecond) * ticksPerFrame);
}

} // namespace

bool looksLikeMidiFile(std::span<const std::uint8_t> file)
{
    ByteReader reader(file);
    if (reader.matches("MThd"))
        return true;
    return reader.matches("RIFF") && reader.take(4).size() == 4 && reader.matches("RMID");
}

std::optional<MidiPlayingTime> midiPlayingTime(std::span<const std::uint8_t> file)
{
    const auto smf = unwrapRiff(file);
    if (!smf)
        return std::nullopt;
    ByteReader reader(*smf);
    if (!reader.matches("MThd"))
        return std::nullopt;
    const auto headerLength = reader.bigEndian(4);
    const auto format = reader.bigEndian(2);
    const auto trackCount = reader.bigEndian(2);
    const auto division = reader.bigEndian(2);
    if (!headerLength || !format || !trackCount || !division)
        return std::nullopt;
    if (*headerLength < 6 || *format > 2 || *trackCount == 0 || *division == 0)
        return std::nullopt;
    const bool smpte = (*division & 0x8000u) != 0;
    if (smpte && (*division & 0xFFu) == 0)
        return std::nullopt;
    if (reader.take(*headerLength - 6).size() < *headerLength - 6)
        return std::nullopt;

    MidiPlayingTime result;
    result.smpteTiming = smpte;
    std::vector<TempoChange> tempoChanges;
    std::uint64_t endTick = 0;
    std::uint32_t tracksRead = 0;
    while (tracksRead < *trackCount && !reader.atEnd()) {
        const bool isTrack = reader.matches("MTrk");
        if (!isTrack && reader.take(4).size() < 4)
            break;
        const auto length = reader.bigEndian(4);
        if (!length)
            break;
        const Bytes body = reader.take(*length);
        if (!isTrack)
            continue;
        ++tracksRead;
        const TrackEnd end = scanTrack(body, tempoChanges);
        endTick = std::max(endTick, end.tick);
        result.damaged = result.damaged || end.damaged || body.size() < *length;
    }
    result.damaged = result.damaged || tracksRead < *trackCount;

    const std::int64_t micros = smpte ? smpteMicros(endTick, static_cast<std::uint16_t>(*division))
                                      : tempoMappedMicros(endTick, *division, tempoChanges);
    result.length = std::chrono::microseconds(micros);
    return result;
}

} // namespace qv
