#include "components/sound/tune_synthesizer.h"

#include "components/platform/thread_priority.h"
#include "components/sound/tune_synthesis.h"
#include "components/sound/tune_wave.h"

namespace qv {

TuneSynthesizer& TuneSynthesizer::instance()
{
    static TuneSynthesizer synthesizer;
    return synthesizer;
}

TuneSynthesizer::TuneSynthesizer() : cache_(TuneCache::ofUser())
{
    // One tune plays at a time; the others finish a tune that was stopped early, so
    // that it is kept.
    pool_.setMaxThreadCount(3);
}

TuneSynthesizer::~TuneSynthesizer()
{
    shutDown();
}

std::shared_ptr<const SynthesizedTune> TuneSynthesizer::start(const QString& key, const QByteArray& midi,
                                                              const QString& soundFonts,
                                                              std::chrono::milliseconds length)
{
    const std::chrono::milliseconds longest = length + tuneTailAllowance;
    if (shutDown_ || soundFonts.isEmpty() || longest > longestSynthesizedTune)
        return nullptr;
    auto tune = std::make_shared<SynthesizedTune>(longest.count() * tuneSampleRate / 1000 * tuneBytesPerFrame);
    const bool started = pool_.tryStart([this, tune, key, midi, soundFonts, longest] {
        // Synthesis takes about a fiftieth of the tune's time, so even the tenth of a
        // busy core that a lowered thread still gets keeps it far ahead of the mixer,
        // while the burst at the tune's start never delays a frame on screen.
        lowerCurrentThreadPriority();
        const bool whole = synthesizeTuneSamples(midi, soundFonts, longest, shutDown_,
                                                 [&tune](QByteArrayView samples) { tune->append(samples); });
        tune->finish(whole);
        if (const std::optional<QByteArray> wave = tune->wholeWave())
            cache_.store(key, *wave);
    });
    return started ? tune : nullptr;
}

void TuneSynthesizer::waitForAll()
{
    pool_.waitForDone();
}

void TuneSynthesizer::shutDown()
{
    shutDown_ = true;
    pool_.waitForDone();
}

} // namespace qv
