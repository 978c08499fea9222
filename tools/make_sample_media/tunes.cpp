#include "make_sample_media/tunes.h"

#include <initializer_list>
#include <vector>

namespace qv::samples {
namespace {

constexpr int kRest = 0;
constexpr int kPiano = 0;
constexpr int kStrings = 48;
constexpr int kAcousticBass = 32;

struct Step {
    int pitch; // kRest for silence
    double beats;
};

// Lays a line of notes end to end from `startBeat`.
void appendLine(Voice& voice, double startBeat, std::initializer_list<Step> steps, int velocity)
{
    double beat = startBeat;
    for (const Step& step : steps) {
        if (step.pitch != kRest)
            voice.notes.push_back({step.pitch, beat, step.beats * 0.95, velocity});
        beat += step.beats;
    }
}

struct Chord {
    int bass;
    std::vector<int> tones;
    double beats;
};

// Chord tones held by the strings; the bass note an octave below on the first beat.
void appendSustained(Voice& strings, double startBeat, const std::vector<Chord>& chords, int velocity)
{
    double beat = startBeat;
    for (const Chord& chord : chords) {
        for (const int tone : chord.tones)
            strings.notes.push_back({tone, beat, chord.beats, velocity});
        beat += chord.beats;
    }
}

} // namespace

Tune composeMorningWaltz()
{
    Tune tune;
    tune.title = "Morning Waltz";
    tune.beatsPerBar = 3;
    tune.tempi = {{0, 112}, {42, 104}, {45, 92}};

    Voice melody{"Melody", 0, kPiano, 110, 70, 40, {}};
    appendLine(melody, 0,
               {{67, 1}, {72, 1}, {76, 1},   {81, 2}, {76, 1},   {77, 1.5}, {76, 0.5}, {74, 1}, {74, 3},
                {67, 1}, {72, 1}, {76, 1},   {84, 2}, {83, 1},   {81, 1}, {77, 1}, {71, 1},     {72, 3},
                {81, 1}, {84, 1}, {81, 1},   {79, 2}, {76, 1},   {77, 1}, {81, 1}, {77, 1},     {74, 2}, {71, 1},
                {76, 1}, {79, 1}, {83, 1},   {84, 2}, {81, 1},   {77, 1}, {76, 1}, {74, 1},     {72, 3}},
               84);

    // Left hand: bass on the first beat, the chord on the second and third.
    Voice accompaniment{"Accompaniment", 1, kPiano, 90, 50, 40, {}};
    const std::vector<Chord> bars{{48, {60, 64, 67}, 3}, {45, {60, 64, 69}, 3}, {41, {60, 65, 69}, 3},
                                  {43, {59, 62, 67}, 3}, {48, {60, 64, 67}, 3}, {45, {60, 64, 69}, 3},
                                  {38, {57, 62, 65}, 3}, {48, {55, 60, 64}, 3}, {41, {60, 65, 69}, 3},
                                  {48, {60, 64, 67}, 3}, {38, {57, 62, 65}, 3}, {43, {59, 62, 67}, 3},
                                  {40, {59, 64, 67}, 3}, {45, {60, 64, 69}, 3}, {43, {59, 62, 65}, 3},
                                  {36, {55, 60, 64}, 3}};
    double beat = 0;
    for (const Chord& bar : bars) {
        accompaniment.notes.push_back({bar.bass, beat, 1.9, 72});
        const bool last = &bar == &bars.back();
        for (const int tone : bar.tones) {
            if (last) {
                accompaniment.notes.push_back({tone, beat + 1, 2.0, 56});
                continue;
            }
            accompaniment.notes.push_back({tone, beat + 1, 0.8, 52});
            accompaniment.notes.push_back({tone, beat + 2, 0.8, 48});
        }
        beat += 3;
    }

    Voice strings{"Strings", 2, kStrings, 70, 80, 70, {}};
    std::vector<Chord> held;
    for (const Chord& bar : bars)
        held.push_back({bar.bass, {bar.bass + 12, bar.tones.back()}, bar.beats});
    appendSustained(strings, 0, held, 58);

    tune.voices = {melody, accompaniment, strings};
    return tune;
}

Tune composeEveningSong()
{
    Tune tune;
    tune.title = "Evening Song";
    tune.beatsPerBar = 4;
    tune.tempi = {{0, 72}, {28, 62}};

    Voice melody{"Melody", 0, kPiano, 110, 64, 50, {}};
    // The answering phrase climbs an octave before it settles, slowing to the end.
    appendLine(melody, 0,
               {{71, 1.5}, {69, 0.5}, {67, 1}, {74, 1},   {76, 2}, {74, 1}, {71, 1},
                {72, 1.5}, {71, 0.5}, {69, 1}, {67, 1},   {69, 3}, {kRest, 1},
                {71, 1.5}, {74, 0.5}, {79, 1}, {83, 1},   {83, 2}, {81, 1}, {79, 1},
                {76, 1}, {79, 1}, {78, 1}, {74, 1},       {79, 4}},
               80);

    const std::vector<Chord> progression{{43, {55, 59, 62}, 4}, {40, {55, 59, 64}, 4}, {36, {55, 60, 64}, 4},
                                         {38, {54, 57, 62}, 4}, {43, {55, 59, 62}, 4}, {40, {55, 59, 64}, 4},
                                         {36, {55, 60, 64}, 2}, {38, {54, 57, 62}, 2}, {43, {55, 59, 62}, 4}};

    // Broken chords in eighths: root, fifth, third, fifth, octave ...
    Voice piano{"Arpeggios", 1, kPiano, 84, 44, 50, {}};
    Voice bass{"Bass", 3, kAcousticBass, 90, 64, 30, {}};
    double beat = 0;
    for (std::size_t bar = 0; bar < progression.size(); ++bar) {
        const Chord& chord = progression[bar];
        const bool last = bar + 1 == progression.size();
        const std::vector<int> pattern{chord.bass + 12, chord.tones[0], chord.tones[1], chord.tones[2],
                                       chord.tones[1] + 12, chord.tones[2], chord.tones[1], chord.tones[0]};
        const int eighths = last ? 5 : static_cast<int>(chord.beats * 2);
        for (int e = 0; e < eighths; ++e) {
            const double length = last && e == eighths - 1 ? 3.0 : 0.5;
            piano.notes.push_back({pattern[static_cast<std::size_t>(e % 8)], beat + 0.5 * e, length, e % 4 == 0 ? 60 : 48});
        }
        bass.notes.push_back({chord.bass, beat, chord.beats > 2 && !last ? 1.9 : chord.beats, 78});
        if (chord.beats > 2 && !last)
            bass.notes.push_back({chord.bass + 7, beat + 2, 1.9, 66});
        beat += chord.beats;
    }

    Voice strings{"Strings", 2, kStrings, 72, 84, 80, {}};
    appendSustained(strings, 0, progression, 50);

    tune.voices = {melody, piano, strings, bass};
    return tune;
}

} // namespace qv::samples
