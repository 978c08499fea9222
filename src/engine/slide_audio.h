#pragma once

#include <QString>

#include <optional>

namespace qv {

// Sound files are told apart by their last three characters: "MID" in any case is
// MIDI (device kind 1), anything else wave audio (0).
int soundDeviceKind(const QString& file);

enum class SoundPlayer { One, Two };

struct SoundStart {
    SoundPlayer player;
    QString file;
    bool loop;
};

// What a custom slide's sound does to the two players: which to stop, and what to
// start. "Together" keeps MIDI on the second player and wave sounds on the first,
// so one of each can play at once; "Seperate" plays everything on the first.
struct SlideSoundPlan {
    bool stopOne = false;
    bool stopTwo = false;
    std::optional<SoundStart> start;
};

SlideSoundPlan planCustomSlideSound(const QString& audio, int audioLoop, bool together);

} // namespace qv
