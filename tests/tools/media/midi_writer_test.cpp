#include "make_sample_media/midi_writer.h"
#include "make_sample_media/tunes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace qv::samples {
namespace {

struct ParsedEvent {
    std::uint32_t tick;
    std::vector<std::uint8_t> bytes;
};

struct ParsedTrack {
    std::vector<ParsedEvent> events;
};

class Reader {
public:
    explicit Reader(const Bytes& bytes) : bytes_(bytes) {}
    std::uint8_t u8() { return bytes_.at(at_++); }
    std::uint32_t u32be() { return (std::uint32_t{u16be()} << 16) | u16be(); }
    std::uint16_t u16be()
    {
        const std::uint16_t high = u8();
        return static_cast<std::uint16_t>((high << 8) | u8());
    }
    std::uint32_t variable()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = u8();
            value = (value << 7) | (b & 0x7Fu);
            if ((b & 0x80u) == 0)
                return value;
        }
        throw std::runtime_error("variable-length quantity longer than four bytes");
    }
    std::size_t position() const { return at_; }
    bool atEnd() const { return at_ == bytes_.size(); }

private:
    const Bytes& bytes_;
    std::size_t at_ = 0;
};

// A strict reader of what we write: no running status, known event lengths.
std::vector<ParsedTrack> parseTracks(const Bytes& file, int& format)
{
    Reader in(file);
    EXPECT_EQ(in.u32be(), 0x4D546864u); // MThd
    EXPECT_EQ(in.u32be(), 6u);
    format = in.u16be();
    const int count = in.u16be();
    in.u16be();
    std::vector<ParsedTrack> tracks;
    for (int t = 0; t < count; ++t) {
        EXPECT_EQ(in.u32be(), 0x4D54726Bu); // MTrk
        const std::size_t length = in.u32be();
        const std::size_t end = in.position() + length;
        ParsedTrack track;
        std::uint32_t tick = 0;
        while (in.position() < end) {
            tick += in.variable();
            ParsedEvent event{tick, {in.u8()}};
            const std::uint8_t status = event.bytes.front();
            if (status == 0xFF) {
                event.bytes.push_back(in.u8());
                const std::uint32_t size = in.variable();
                for (std::uint32_t i = 0; i < size; ++i) // the payload only, not its length
                    event.bytes.push_back(in.u8());
            } else {
                const int dataBytes = (status & 0xF0) == 0xC0 ? 1 : 2;
                EXPECT_GE(status, 0x80) << "running status is never written";
                for (int i = 0; i < dataBytes; ++i)
                    event.bytes.push_back(in.u8());
            }
            track.events.push_back(event);
        }
        EXPECT_EQ(in.position(), end) << "track " << t << " length disagrees with its events";
        tracks.push_back(track);
    }
    EXPECT_TRUE(in.atEnd());
    return tracks;
}

struct VariableLengthCase {
    std::uint32_t value;
    Bytes encoded;
};

class VariableLength : public ::testing::TestWithParam<VariableLengthCase> {};

TEST_P(VariableLength, EncodesBigEndianSevenBitGroups)
{
    EXPECT_EQ(encodeVariableLength(GetParam().value), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, VariableLength,
                         ::testing::Values(VariableLengthCase{0x00, {0x00}}, VariableLengthCase{0x7F, {0x7F}},
                                           VariableLengthCase{0x80, {0x81, 0x00}},
                                           VariableLengthCase{0x2000, {0xC0, 0x00}},
                                           VariableLengthCase{0x3FFF, {0xFF, 0x7F}},
                                           VariableLengthCase{0x4000, {0x81, 0x80, 0x00}},
                                           VariableLengthCase{0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}));

TEST(MidiFile, RepeatedPitchIsReleasedBeforeItSoundsAgain)
{
    Tune tune;
    tune.title = "t";
    tune.tempi = {{0, 120}};
    tune.voices = {{"v", 3, 0, 100, 64, 0, {{60, 0, 1, 90}, {60, 1, 1, 90}}}};
    int format = 0;
    const auto tracks = parseTracks(encodeMidiFile(tune), format);
    ASSERT_EQ(tracks.size(), 2u);
    std::vector<std::uint8_t> kindsAtBeatOne;
    for (const ParsedEvent& e : tracks[1].events)
        if (e.tick == 480 && (e.bytes[0] & 0xE0) == 0x80)
            kindsAtBeatOne.push_back(e.bytes[0]);
    EXPECT_EQ(kindsAtBeatOne, (std::vector<std::uint8_t>{0x83, 0x93}));
}

class ComposedTune : public ::testing::TestWithParam<Tune (*)()> {};

TEST_P(ComposedTune, IsAWellFormedMultiTrackFileOfPlausibleLength)
{
    const Tune tune = GetParam()();
    int format = -1;
    const auto tracks = parseTracks(encodeMidiFile(tune), format);
    EXPECT_EQ(format, 1);
    ASSERT_EQ(tracks.size(), tune.voices.size() + 1);
    for (const ParsedTrack& track : tracks) {
        ASSERT_FALSE(track.events.empty());
        const ParsedEvent& last = track.events.back();
        EXPECT_EQ(last.bytes, (std::vector<std::uint8_t>{0xFF, 0x2F})) << "ends with end-of-track";
        int sounding = 0;
        for (const ParsedEvent& e : track.events) {
            EXPECT_LE(e.tick, last.tick) << "an event after the end of its track";
            if ((e.bytes[0] & 0xF0) == 0x90)
                ++sounding;
            if ((e.bytes[0] & 0xF0) == 0x80)
                --sounding;
        }
        EXPECT_EQ(sounding, 0) << "every note is released";
    }
    const double seconds = tuneSeconds(tune);
    EXPECT_GE(seconds, 15.0);
    EXPECT_LE(seconds, 40.0);
}

INSTANTIATE_TEST_SUITE_P(Stock, ComposedTune, ::testing::Values(&composeMorningWaltz, &composeEveningSong));

TEST(TuneLength, FollowsTempoChangesAndIgnoresThoseAfterTheLastNote)
{
    Tune tune;
    tune.tempi = {{0, 120}, {4, 60}, {100, 30}};
    tune.voices = {{"v", 0, 0, 100, 64, 0, {{60, 0, 8, 90}}}};
    EXPECT_DOUBLE_EQ(tuneSeconds(tune), 2.0 + 4.0);
}

} // namespace
} // namespace qv::samples
