#include "components/sound/tune_cache_filler.h"

#include "components/platform/thread_priority.h"
#include "components/sound/audio_engine.h"
#include "components/sound/tune_synthesis.h"

namespace qv {

TuneCacheFiller& TuneCacheFiller::instance()
{
    static TuneCacheFiller filler;
    return filler;
}

TuneCacheFiller::TuneCacheFiller() : cache_(TuneCache::userFolder())
{
    pool_.setMaxThreadCount(1);
    connect(&AudioEngine::instance(), &AudioEngine::shuttingDown, this, &TuneCacheFiller::cancelAll);
}

TuneCacheFiller::~TuneCacheFiller()
{
    cancelAll();
}

void TuneCacheFiller::fill(const QString& key, const QByteArray& midi, const QString& soundFonts)
{
    if (cancelled_ || soundFonts.isEmpty() || !underWay_.insert(key).second)
        return;
    pool_.start([this, key, midi, soundFonts] {
        // The pool's thread does nothing else, so its lowered priority harms no one.
        lowerCurrentThreadPriority();
        const std::optional<QByteArray> wave = synthesizeTune(midi, soundFonts, longestSynthesizedTune, cancelled_);
        const bool stored = wave && cache_.store(key, *wave);
        QMetaObject::invokeMethod(
            this,
            [this, key, stored] {
                underWay_.erase(key);
                emit filled(key, stored);
            },
            Qt::QueuedConnection);
    });
}

void TuneCacheFiller::finish()
{
    pool_.waitForDone();
}

void TuneCacheFiller::cancelAll()
{
    cancelled_ = true;
    pool_.waitForDone();
}

} // namespace qv
