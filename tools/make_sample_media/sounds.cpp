#include "make_sample_media/sounds.h"

#include "make_sample_media/noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace qv::samples {
namespace {

constexpr double kTau = 2.0 * std::numbers::pi;

struct Partial {
    double ratio;
    double amplitude;
    double decaySeconds;
};

// Adds one struck tone; `pan` 0 = left, 1 = right (ignored for mono).
void strike(Sound& sound, double atSeconds, double frequency, double loudness, double pan,
            const std::vector<Partial>& partials)
{
    const int rate = sound.sampleRate;
    const auto frames = static_cast<long>(sound.samples.size()) / sound.channels;
    const long first = std::lround(atSeconds * rate);
    const double left = sound.channels == 2 ? std::cos(pan * std::numbers::pi / 2) : 1.0;
    const double right = std::sin(pan * std::numbers::pi / 2);
    for (long i = first; i < frames; ++i) {
        const double t = static_cast<double>(i - first) / rate;
        const double attack = std::min(1.0, t / 0.002); // no click at the onset
        double value = 0;
        for (const Partial& partial : partials) {
            const double f = frequency * partial.ratio;
            if (f >= rate / 2.0)
                continue;
            value += partial.amplitude * std::exp(-t / partial.decaySeconds) * std::sin(kTau * f * t);
        }
        value *= loudness * attack;
        const auto index = static_cast<std::size_t>(i * sound.channels);
        sound.samples[index] += static_cast<float>(value * left);
        if (sound.channels == 2)
            sound.samples[index + 1] += static_cast<float>(value * right);
    }
}

Sound silence(int rate, int channels, double seconds)
{
    Sound sound;
    sound.sampleRate = rate;
    sound.channels = channels;
    sound.samples.assign(static_cast<std::size_t>(std::lround(seconds * rate)) * static_cast<std::size_t>(channels), 0.0f);
    return sound;
}

// A few delayed, softened copies across the channels: a small room around the sound.
void addRoom(Sound& sound, double wet)
{
    const std::array<std::pair<double, double>, 4> taps{{{0.031, 0.6}, {0.047, 0.5}, {0.071, 0.35}, {0.113, 0.25}}};
    const std::vector<float> dry = sound.samples;
    const std::size_t channels = static_cast<std::size_t>(sound.channels);
    for (std::size_t tap = 0; tap < taps.size(); ++tap) {
        const auto delay = static_cast<std::size_t>(taps[tap].first * sound.sampleRate) * channels;
        const std::size_t swap = channels == 2 && tap % 2 == 0 ? 1 : 0; // echoes cross sides
        for (std::size_t i = delay; i < dry.size(); ++i) {
            const std::size_t from = i - delay;
            const std::size_t source = channels == 2 ? (from ^ swap) : from;
            if (source < dry.size())
                sound.samples[i] += static_cast<float>(dry[source] * taps[tap].second * wet);
        }
    }
}

// Ringing tones are still sounding when the sound ends: let them die away, no click.
void fadeOut(Sound& sound, double seconds)
{
    const std::size_t channels = static_cast<std::size_t>(sound.channels);
    const std::size_t frames = sound.samples.size() / channels;
    const auto fadeFrames = std::min(frames, static_cast<std::size_t>(seconds * sound.sampleRate));
    for (std::size_t i = 0; i < fadeFrames; ++i) {
        const double left = static_cast<double>(fadeFrames - i) / static_cast<double>(fadeFrames); // 1 .. 0
        const auto gain = static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * left));
        const std::size_t frame = frames - fadeFrames + i;
        for (std::size_t c = 0; c < channels; ++c)
            sound.samples[frame * channels + c] *= gain;
    }
}

} // namespace

double frequencyOf(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

void normalise(Sound& sound, float peak)
{
    float loudest = 0;
    for (const float s : sound.samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest <= 0)
        return;
    const float gain = peak / loudest;
    for (float& s : sound.samples)
        s *= gain;
}

Sound makeWindChimes()
{
    Sound sound = silence(44100, 2, 3.5);
    // Tubular chime partials are not harmonic, which is what makes them ring.
    const std::vector<Partial> tube{{1.0, 1.0, 1.4}, {2.76, 0.45, 0.7}, {5.40, 0.18, 0.35}, {8.93, 0.06, 0.18}};
    const std::array<int, 6> pentatonic{72, 74, 76, 79, 81, 84}; // C5 D5 E5 G5 A5 C6
    Random random(7);
    double at = 0.02;
    for (int i = 0; i < 11; ++i) {
        strike(sound, at, frequencyOf(pentatonic[static_cast<std::size_t>(random.below(6))]),
               random.between(0.35, 1.0), random.between(0.15, 0.85), tube);
        at += random.between(0.08, 0.3);
    }
    addRoom(sound, 0.5);
    fadeOut(sound, 1.0);
    normalise(sound, 0.8f);
    return sound;
}

Sound makeSoftPad()
{
    Sound sound = silence(22050, 2, 5.0);
    const double seconds = 5.0;
    const std::array<int, 5> chord{48, 55, 59, 62, 64}; // C major nine, open voicing
    const std::size_t frames = sound.samples.size() / 2;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sound.sampleRate;
        // Slow swell in and out, never a sharp edge.
        const double swell = std::sin(std::numbers::pi * std::min(1.0, t / 1.6) / 2) * std::sin(std::numbers::pi * std::min(1.0, (seconds - t) / 1.8) / 2);
        double left = 0;
        double right = 0;
        for (const int note : chord) {
            const double f = frequencyOf(note);
            // Each side hears the note slightly detuned the other way: a gentle chorus.
            for (int h = 1; h <= 6; ++h) {
                const double weight = 1.0 / std::pow(h, 1.7);
                left += weight * std::sin(kTau * f * h * t * 1.0023 + h);
                right += weight * std::sin(kTau * f * h * t * 0.9977 + 2.0 * h);
            }
        }
        const double breathe = 1.0 + 0.08 * std::sin(kTau * 0.3 * t);
        sound.samples[2 * i] = static_cast<float>(left * swell * breathe);
        sound.samples[2 * i + 1] = static_cast<float>(right * swell * breathe);
    }
    normalise(sound, 0.6f);
    return sound;
}

Sound makeWelcomeBells()
{
    Sound sound = silence(22050, 1, 3.0);
    const std::vector<Partial> bar{{1.0, 1.0, 0.5}, {3.93, 0.35, 0.12}, {9.2, 0.08, 0.05}};
    const std::array<int, 5> rising{67, 72, 76, 79, 84}; // G4 C5 E5 G5 C6
    for (std::size_t i = 0; i < rising.size(); ++i)
        strike(sound, 0.02 + 0.14 * static_cast<double>(i), frequencyOf(rising[i]), 0.8, 0.5, bar);
    const std::vector<Partial> ringing{{1.0, 1.0, 0.9}, {3.93, 0.3, 0.2}, {9.2, 0.06, 0.08}};
    for (const int note : {60, 64, 67, 72})
        strike(sound, 0.85, frequencyOf(note), 0.45, 0.5, ringing);
    addRoom(sound, 0.35);
    fadeOut(sound, 0.8);
    normalise(sound, 0.8f);
    return sound;
}

} // namespace qv::samples
