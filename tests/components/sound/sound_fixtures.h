#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace qv::test {

using Bytes = std::vector<std::uint8_t>;

// Longer than any test sound takes with its preparation and its queued report.
constexpr int patienceMs = 10000;

Bytes join(std::initializer_list<Bytes> parts);
QByteArray toQByteArray(const Bytes& bytes);

// Pieces of Standard MIDI Files.
Bytes varLen(std::uint32_t value);
Bytes midiHeader(std::uint16_t format, std::uint16_t trackCount, std::uint16_t division);
Bytes midiTrack(const Bytes& events);
Bytes tempoEvent(std::uint32_t delta, std::uint32_t microsPerQuarter);
// Note on after `delta`, note off `ticks` later.
Bytes noteEvents(std::uint32_t delta, std::uint8_t key, std::uint32_t ticks);
Bytes endOfTrack(std::uint32_t delta = 0);
// One track of `notes` piano notes of `ticksEach` at 120 beats a minute.
Bytes simpleTune(int notes, std::uint16_t division, std::uint32_t ticksEach);

// A 16-bit mono PCM WAV file of a loud sine tone.
QByteArray sineWave(double seconds, int sampleRate = 22050);

// A path in the test's own scratch folder.
QString scratchPath(const QString& name);
QString writeScratchFile(const QString& name, const QByteArray& bytes);

} // namespace qv::test
