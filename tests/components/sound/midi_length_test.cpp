#include "components/sound/midi_length.h"

#include "sound_fixtures.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace qv {
namespace {

using namespace qv::test;
using std::chrono::microseconds;

struct LengthCase {
    std::string name;
    Bytes file;
    std::optional<std::int64_t> expectedMicros; // empty: not a usable MIDI file
    bool damaged = false;
};

Bytes formatZero(const Bytes& events, std::uint16_t division = 96)
{
    return join({midiHeader(0, 1, division), midiTrack(events)});
}

Bytes riffMidi(const Bytes& smf)
{
    const auto size = static_cast<std::uint32_t>(smf.size());
    const Bytes sizeBytes{static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                          static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
    return join({{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D'},
                 {'L', 'I', 'S', 'T', 2, 0, 0, 0, 'x', 'y'},
                 {'d', 'a', 't', 'a'}, sizeBytes, smf});
}

// Many maximal delta times at the slowest tempo with one tick a quarter note.
Bytes absurdlyLong()
{
    Bytes events = tempoEvent(0, 0xFFFFFF);
    for (int i = 0; i < 3000; ++i)
        events = join({events, {0xFF, 0xFF, 0xFF, 0x7F, 0xF0, 0x01, 0xF7}});
    return formatZero(join({events, endOfTrack()}), 1);
}

std::vector<LengthCase> lengthCases()
{
    const Bytes threeNotes = join({noteEvents(0, 60, 96), noteEvents(0, 64, 96), noteEvents(0, 67, 96), endOfTrack()});
    const Bytes cutInNote = join({noteEvents(0, 60, 96), {0x00, 0x90, 0x40}});
    return {
        {"default tempo", formatZero(threeNotes), 1'500'000},
        {"tempo changes mid-tune",
         formatZero(join({tempoEvent(0, 250'000), noteEvents(0, 60, 96), tempoEvent(0, 1'000'000), noteEvents(0, 62, 96),
                          endOfTrack()})),
         1'250'000},
        {"last of two tempos at one tick wins",
         formatZero(join({tempoEvent(0, 250'000), tempoEvent(0, 1'000'000), noteEvents(0, 60, 96), endOfTrack()})),
         1'000'000},
        {"running status",
         formatZero(join({{0x00, 0x90, 60, 100}, varLen(48), {60, 0}, varLen(48), {64, 100}, varLen(48), {64, 0},
                          {0x00, 0xC0, 5}, varLen(48), {6}, endOfTrack()})),
         1'000'000},
        {"closing rest counts", formatZero(join({noteEvents(0, 60, 96), endOfTrack(192)})), 1'500'000},
        {"sysex and text events skipped",
         formatZero(join({{0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7}, {0x00, 0xFF, 0x01, 0x04, 'a', 'b', 'c', 'd'},
                          noteEvents(96, 60, 96), endOfTrack()})),
         1'000'000},
        {"format 1: conductor tempo applies to the longer track",
         join({midiHeader(1, 2, 96), midiTrack(join({tempoEvent(0, 1'000'000), endOfTrack()})),
               midiTrack(join({noteEvents(0, 60, 192), endOfTrack()}))}),
         2'000'000},
        {"format 1: a later track's tempo change applies to all",
         join({midiHeader(1, 2, 96), midiTrack(join({noteEvents(0, 60, 192), endOfTrack()})),
               midiTrack(join({tempoEvent(96, 250'000), endOfTrack()}))}),
         750'000},
        {"format 2 tracks counted together", join({midiHeader(2, 2, 96), midiTrack(threeNotes), midiTrack(threeNotes)}),
         1'500'000},
        {"foreign chunk between tracks skipped",
         join({midiHeader(1, 2, 96), midiTrack(endOfTrack()), {'X', 'Y', 'Z', 'W', 0, 0, 0, 2, 1, 2},
               midiTrack(threeNotes)}),
         1'500'000},
        {"SMPTE 25 fps, 40 ticks a frame", formatZero(join({tempoEvent(0, 100), noteEvents(0, 60, 500), endOfTrack()}), 0xE728),
         500'000},
        {"SMPTE 29.97 fps", formatZero(join({noteEvents(0, 60, 2997), endOfTrack()}), 0xE364), 1'000'000},
        {"RMID container", riffMidi(formatZero(threeNotes)), 1'500'000},
        {"cut inside an event", formatZero(cutInNote), 500'000, true},
        {"chunk longer than the file",
         [&] {
             Bytes file = formatZero(threeNotes);
             file.resize(file.size() - 9);
             return file;
         }(),
         1'000'000, true},
        {"fewer tracks than declared", join({midiHeader(1, 3, 96), midiTrack(threeNotes)}), 1'500'000, true},
        {"data byte without a status", formatZero(join({{0x00, 60, 100}, endOfTrack()})), 0, true},
        {"system message inside a track", formatZero(join({noteEvents(0, 60, 96), {0x00, 0xF8}, endOfTrack(96)})), 500'000,
         true},
        {"five-byte delta time", formatZero(join({{0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 100}, endOfTrack()})), 0, true},
        {"absurd length saturates", absurdlyLong(), microseconds::max().count()},
        {"wave file", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}, std::nullopt},
        {"empty", {}, std::nullopt},
        {"short header", join({{'M', 'T', 'h', 'd', 0, 0, 0, 2, 0, 0}, midiTrack(threeNotes)}), std::nullopt},
        {"format 3", join({midiHeader(3, 1, 96), midiTrack(threeNotes)}), std::nullopt},
        {"no tracks declared", join({midiHeader(0, 0, 96), midiTrack(threeNotes)}), std::nullopt},
        {"division zero", formatZero(threeNotes, 0), std::nullopt},
        {"SMPTE with zero ticks a frame", formatZero(threeNotes, 0xE700), std::nullopt},
    };
}

TEST(MidiLengthTest, ReadsThePlayingTimeOrRefusesWhatIsNoMidiFile)
{
    for (const LengthCase& c : lengthCases()) {
        SCOPED_TRACE(c.name);
        const auto timing = midiPlayingTime(c.file);
        EXPECT_EQ(timing.has_value(), c.expectedMicros.has_value());
        if (!timing || !c.expectedMicros)
            continue;
        EXPECT_EQ(timing->length.count(), *c.expectedMicros);
        EXPECT_EQ(timing->damaged, c.damaged);
        EXPECT_EQ(timing->smpteTiming, c.name.starts_with("SMPTE"));
    }
}

TEST(MidiLengthTest, RecognisesMidiContent)
{
    EXPECT_TRUE(looksLikeMidiFile(simpleTune(1, 96, 96)));
    EXPECT_TRUE(looksLikeMidiFile(riffMidi(simpleTune(1, 96, 96))));
    EXPECT_FALSE(looksLikeMidiFile(Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}));
    EXPECT_FALSE(looksLikeMidiFile(Bytes{'M', 'T', 'h'}));
}

} // namespace
} // namespace qv
