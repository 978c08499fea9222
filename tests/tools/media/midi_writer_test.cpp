#include "make_sample_media/midi_writer.h"
#include "make_sample_media/tunes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace qv::samples {
namespace {

// A pitch struck again at once must be released before it sounds again, or players
// cut the second note short.
Tune repeatedNote()
{
    Tune tune;
    tune.tempi = {{0, 120}};
    tune.voices = {{"v", 3, 0, 100, 64, 0, {{60, 0, 1, 90}, {60, 1, 1, 90}}}};
    return tune;
}

class WrittenTune : public ::testing::TestWithParam<Tune (*)()> {};

// Read as the least forgiving player would: format 1, a conductor track and one track
// per voice, each as long as its events, no running status, ending with end-of-track;
// every note released exactly once, before its pitch sounds again.
TEST_P(WrittenTune, IsAStrictFormatOneFileWithEveryNoteReleased)
{
    const Tune tune = GetParam()();
    const Bytes file = encodeMidiFile(tune);
    std::size_t at = 0;
    const auto u8 = [&] { return file.at(at++); };
    const auto bigEndian = [&](int bytes) {
        std::uint32_t value = 0;
        while (bytes-- > 0)
            value = (value << 8) | u8();
        return value;
    };
    const auto variable = [&] {
        std::uint32_t value = 0;
        for (std::uint8_t byte = 0x80; (byte & 0x80) != 0;) {
            byte = u8();
            value = (value << 7) | (byte & 0x7Fu);
        }
        return value;
    };
    ASSERT_EQ(bigEndian(4), 0x4D546864u); // MThd
    ASSERT_EQ(bigEndian(4), 6u);
    EXPECT_EQ(bigEndian(2), 1u);
    ASSERT_EQ(bigEndian(2), tune.voices.size() + 1);
    bigEndian(2);
    for (std::size_t track = 0; track <= tune.voices.size(); ++track) {
        ASSERT_EQ(bigEndian(4), 0x4D54726Bu); // MTrk
        const std::size_t length = bigEndian(4);
        const std::size_t end = at + length;
        std::set<int> sounding;
        std::uint32_t tick = 0;
        bool ended = false;
        while (at < end && !ended) {
            tick += variable();
            const std::uint8_t status = u8();
            ASSERT_GE(status, 0x80) << "running status at tick " << tick;
            if (status == 0xFF) {
                ended = u8() == 0x2F;
                at += variable();
            } else if ((status & 0xE0) == 0x80) {
                const int key = ((status & 0x0F) << 8) | u8();
                const std::uint8_t velocity = u8();
                const bool on = (status & 0xF0) == 0x90 && velocity != 0;
                EXPECT_TRUE(on ? sounding.insert(key).second : sounding.erase(key) == 1)
                    << "track " << track << " key " << (key & 0x7F) << " at tick " << tick;
            } else {
                at += (status & 0xE0) == 0xC0 ? 1 : 2;
            }
        }
        EXPECT_TRUE(ended) << "track " << track;
        EXPECT_EQ(at, end) << "track " << track << " length disagrees with its events";
        EXPECT_TRUE(sounding.empty()) << "track " << track;
    }
    EXPECT_EQ(at, file.size());
}

INSTANTIATE_TEST_SUITE_P(Tunes, WrittenTune, ::testing::Values(&composeMorningWaltz, &composeEveningSong, &repeatedNote));

} // namespace
} // namespace qv::samples
