#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

namespace qv {

// How long a Standard MIDI File plays, read from the file itself. The synthesizer
// only reports the end of a tune after its last notes have died away (seconds
// later), and it knows no duration beforehand, so the player times the tune's end
// from this.
struct MidiPlayingTime {
    // From the first tick to the last event of the longest track (its end-of-track
    // event, so a closing rest counts). Saturates instead of overflowing.
    std::chrono::microseconds length{0};
    // Some track was cut short or held an event no player could read; the length
    // then counts up to the last event that could be read.
    bool damaged = false;
    // Timed in SMPTE frames rather than beats; fluidsynth refuses such files.
    bool smpteTiming = false;
};

// True when the bytes start as a MIDI file: a bare "MThd" header or the "RMID" form
// of the RIFF container.
bool looksLikeMidiFile(std::span<const std::uint8_t> file);

// Empty when the bytes hold no usable header (not MIDI, unknown format, zero
// division). Tempo changes of every track apply to all tracks, as synthesizers play
// them; SMPTE divisions ignore tempo. Reads nothing beyond `file` and keeps memory
// proportional to the number of tempo changes.
std::optional<MidiPlayingTime> midiPlayingTime(std::span<const std::uint8_t> file);

} // namespace qv
