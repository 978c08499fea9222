#pragma once

#include "make_sample_media/byte_sink.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qv::samples {

struct Note {
    int pitch = 60;        // MIDI note number
    double startBeat = 0;  // in quarter notes from the start of the tune
    double lengthBeats = 1;
    int velocity = 80;
};

// One instrument on one channel; becomes one track of the file.
struct Voice {
    std::string name;
    int channel = 0;
    int program = 0; // General MIDI, 0-based
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    std::vector<Note> notes;
};

struct TempoChange {
    double beat = 0;
    double beatsPerMinute = 120;
};

struct Tune {
    std::string title;
    int ticksPerBeat = 480;
    int beatsPerBar = 4; // time signature numerator over a quarter note
    std::vector<TempoChange> tempi; // sorted by beat; the first one at beat 0
    std::vector<Voice> voices;
};

// The variable-length quantity of delta times and meta lengths.
Bytes encodeVariableLength(std::uint32_t value);

// A format 1 Standard MIDI File: a conductor track (title, metre, tempo map) and one
// track per voice.
Bytes encodeMidiFile(const Tune& tune);

// Playing time from the first beat to the end of the last note.
double tuneSeconds(const Tune& tune);

} // namespace qv::samples
