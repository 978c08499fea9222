#include "make_sample_media/midi_writer.h"

#include <algorithm>
#include <cmath>

namespace qv::samples {
namespace {

// At one tick the order matters: set-up first, then releases, then new notes, so
// a repeated pitch is not cut by its own previous note's release.
enum class Priority { Setup = 0, NoteOff = 1, NoteOn = 2, EndOfTrack = 3 };

struct TimedEvent {
    std::uint32_t tick = 0;
    Priority priority = Priority::Setup;
    Bytes data;
};

std::uint32_t beatToTick(double beat, int ticksPerBeat)
{
    return static_cast<std::uint32_t>(std::lround(std::max(0.0, beat) * ticksPerBeat));
}

Bytes metaEvent(std::uint8_t type, const Bytes& payload)
{
    Bytes event{0xFF, type};
    const Bytes length = encodeVariableLength(static_cast<std::uint32_t>(payload.size()));
    event.insert(event.end(), length.begin(), length.end());
    event.insert(event.end(), payload.begin(), payload.end());
    return event;
}

Bytes textPayload(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::uint8_t dataByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 127)); }

std::uint8_t status(std::uint8_t kind, int channel)
{
    return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}

Bytes trackChunk(std::vector<TimedEvent> events)
{
    std::stable_sort(events.begin(), events.end(), [](const TimedEvent& a, const TimedEvent& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.priority < b.priority;
    });
    ByteSink body;
    std::uint32_t previous = 0;
    for (const TimedEvent& event : events) {
        body.append(encodeVariableLength(event.tick - previous));
        body.append(event.data);
        previous = event.tick;
    }
    ByteSink chunk;
    chunk.text("MTrk");
    chunk.u32be(static_cast<std::uint32_t>(body.size()));
    chunk.append(body.bytes());
    return chunk.take();
}

std::uint32_t lastNoteEnd(const Tune& tune)
{
    std::uint32_t end = 0;
    for (const Voice& voice : tune.voices)
        for (const Note& note : voice.notes)
            end = std::max(end, beatToTick(note.startBeat + note.lengthBeats, tune.ticksPerBeat));
    return end;
}

Bytes conductorTrack(const Tune& tune, std::uint32_t endTick)
{
    std::vector<TimedEvent> events;
    events.push_back({0, Priority::Setup, metaEvent(0x03, textPayload(tune.title))});
    // Numerator, denominator as a power of two (quarter), clocks per click, 32nds per quarter.
    events.push_back({0, Priority::Setup,
                      metaEvent(0x58, {dataByte(tune.beatsPerBar), 2, 24, 8})});
    for (const TempoChange& change : tune.tempi) {
        const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / change.beatsPerMinute));
        events.push_back({beatToTick(change.beat, tune.ticksPerBeat), Priority::Setup,
                          metaEvent(0x51, {static_cast<std::uint8_t>(micros >> 16),
                                           static_cast<std::uint8_t>(micros >> 8),
                                           static_cast<std::uint8_t>(micros)})});
    }
    events.push_back({endTick, Priority::EndOfTrack, metaEvent(0x2F, {})});
    return trackChunk(std::move(events));
}

Bytes voiceTrack(const Voice& voice, int ticksPerBeat, std::uint32_t endTick)
{
    std::vector<TimedEvent> events;
    const int ch = voice.channel;
    events.push_back({0, Priority::Setup, metaEvent(0x03, textPayload(voice.name))});
    events.push_back({0, Priority::Setup, {status(0xC0, ch), dataByte(voice.program)}});
    events.push_back({0, Priority::Setup, {status(0xB0, ch), 7, dataByte(voice.volume)}});
    events.push_back({0, Priority::Setup, {status(0xB0, ch), 10, dataByte(voice.pan)}});
    events.push_back({0, Priority::Setup, {status(0xB0, ch), 91, dataByte(voice.reverb)}});
    for (const Note& note : voice.notes) {
        const std::uint32_t on = beatToTick(note.startBeat, ticksPerBeat);
        const std::uint32_t off = std::max(on + 1, beatToTick(note.startBeat + note.lengthBeats, ticksPerBeat));
        events.push_back({on, Priority::NoteOn, {status(0x90, ch), dataByte(note.pitch), dataByte(std::max(1, note.velocity))}});
        events.push_back({off, Priority::NoteOff, {status(0x80, ch), dataByte(note.pitch), 64}});
    }
    events.push_back({endTick, Priority::EndOfTrack, metaEvent(0x2F, {})});
    return trackChunk(std::move(events));
}

} // namespace

Bytes encodeVariableLength(std::uint32_t value)
{
    value &= 0x0FFFFFFFu; // the format's largest quantity
    Bytes reversed{static_cast<std::uint8_t>(value & 0x7Fu)};
    while ((value >>= 7) != 0)
        reversed.push_back(static_cast<std::uint8_t>(0x80u | (value & 0x7Fu)));
    return Bytes(reversed.rbegin(), reversed.rend());
}

Bytes encodeMidiFile(const Tune& tune)
{
    const std::uint32_t endTick = lastNoteEnd(tune);
    ByteSink out;
    out.text("MThd");
    out.u32be(6);
    out.u16be(1);
    out.u16be(static_cast<std::uint16_t>(tune.voices.size() + 1));
    out.u16be(static_cast<std::uint16_t>(tune.ticksPerBeat));
    out.append(conductorTrack(tune, endTick));
    for (const Voice& voice : tune.voices)
        out.append(voiceTrack(voice, tune.ticksPerBeat, endTick));
    return out.take();
}

double tuneSeconds(const Tune& tune)
{
    const double endBeat = static_cast<double>(lastNoteEnd(tune)) / tune.ticksPerBeat;
    double seconds = 0;
    double beat = 0;
    double bpm = 120;
    for (const TempoChange& change : tune.tempi) {
        const double until = std::min(change.beat, endBeat);
        if (until > beat) {
            seconds += (until - beat) * 60.0 / bpm;
            beat = until;
        }
        bpm = change.beatsPerMinute;
    }
    return seconds + std::max(0.0, endBeat - beat) * 60.0 / bpm;
}

} // namespace qv::samples
