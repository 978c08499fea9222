#pragma once

#include "components/sound/synthesized_tune.h"
#include "components/sound/tune_cache.h"

#include <QByteArray>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <chrono>
#include <memory>

namespace qv {

// Synthesizes tunes that the cache lacks, each on a thread of its own, for the mixer
// to play while they are written (see SynthesizedTune), and keeps each whole wave in
// the user's cache: a tune is synthesized once, the first time it plays, and never
// twice. A tune whose wave a shared folder holds is found there first and never comes
// here. The work stops when the audio output shuts down.
class TuneSynthesizer {
public:
    static TuneSynthesizer& instance();

    // The tune as it is being synthesized, or null when no thread is free or the
    // output has shut down (the tune then plays through the mixer's synthesizer).
    // Any thread.
    std::shared_ptr<const SynthesizedTune> start(const QString& key, const QByteArray& midi, const QString& soundFonts,
                                                 std::chrono::milliseconds length);
    // Waits for the tunes under way and their storing; for tests.
    void waitForAll();
    void shutDown();

    TuneSynthesizer(const TuneSynthesizer&) = delete;
    TuneSynthesizer& operator=(const TuneSynthesizer&) = delete;

private:
    TuneSynthesizer();
    ~TuneSynthesizer();

    const TuneCache cache_;
    QThreadPool pool_;
    std::atomic<bool> shutDown_{false};
};

} // namespace qv
