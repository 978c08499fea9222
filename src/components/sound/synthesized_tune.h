#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <SDL_rwops.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

namespace qv {

// A tune's wave while it is being synthesized: the synthesizing thread appends
// samples, and the mixer plays them through `openReader` from the start, waiting
// for the next block when it catches up. The mixer starts once a lead is written,
// and synthesis runs many times faster than the tune plays, so the reader never
// waits in practice.
//
// The header announces the most samples the tune may have; a reader that reaches
// the true end is told so (a read of nothing), which ends the music there.
class SynthesizedTune {
public:
    explicit SynthesizedTune(qsizetype mostSampleBytes);

    // The synthesizing thread's side.
    void append(QByteArrayView samples);
    // No more samples come; `whole` tells whether the tune was synthesized to its end.
    void finish(bool whole);

    // The wave with its true header, once the tune was synthesized whole (shared,
    // not copied: a long tune's wave is tens of megabytes).
    std::optional<QByteArray> wholeWave() const;

    // Waits until `sampleBytes` of samples are written or synthesis has ended, and
    // tells whether there is anything to play. Loading the soundfont comes before the
    // first sample; a mixer that started reading then would hold every sound still.
    bool waitForLead(qsizetype sampleBytes) const;

    // Up to `size` bytes of the wave from `offset`, waiting until they are written;
    // fewer (or none) only at the end.
    qsizetype read(qint64 offset, char* into, qsizetype size) const;
    qint64 announcedSize() const;

private:
    const qsizetype announcedSampleBytes_;
    const QByteArray announcedHeader_;
    mutable std::mutex mutex_;
    mutable std::condition_variable grown_;
    QByteArray wave_; // its header is written when the tune is whole
    bool finished_ = false;
    bool whole_ = false;
};

// A source for SDL that reads `tune` and keeps it alive until the source is closed.
SDL_RWops* openReader(std::shared_ptr<const SynthesizedTune> tune);

} // namespace qv
