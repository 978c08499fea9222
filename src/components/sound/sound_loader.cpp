#include "components/sound/sound_loader.h"

#include "components/sound/tune_synthesizer.h"

#include <SDL.h>

namespace qv {

SoundLoader& SoundLoader::instance()
{
    static SoundLoader loader;
    return loader;
}

SoundLoader::SoundLoader()
{
    // Made first, so that it outlives the loader, whose last draining still stops it.
    TuneSynthesizer::instance();
    pool_.setMaxThreadCount(1);
    connect(&AudioEngine::instance(), &AudioEngine::shuttingDown, this, &SoundLoader::drain);
}

SoundLoader::~SoundLoader()
{
    drain();
}

quint64 SoundLoader::prepare(const QString& path, Ready onReady)
{
    const quint64 ticket = ++lastTicket_;
    waiting_.emplace(ticket, std::move(onReady));
    working_.emplace(ticket, AudioEngine::instance().hold());
    pool_.start([this, ticket, path] {
        // The hold above has the device opened; decoding needs its format.
        AudioEngine::instance().settle();
        PreparedSound sound = prepareSound(path, AudioEngine::instance(), &tunes_);
        // SDL keeps its error text per thread and frees it only for threads of its
        // own; the text has been copied into `sound` by now.
        SDL_TLSCleanup();
        {
            const std::lock_guard lock(preparedMutex_);
            prepared_.emplace(ticket, std::move(sound));
        }
        QMetaObject::invokeMethod(this, [this] { deliver(); }, Qt::QueuedConnection);
    });
    return ticket;
}

void SoundLoader::cancel(quint64 ticket)
{
    waiting_.erase(ticket);
}

void SoundLoader::deliver()
{
    std::map<quint64, PreparedSound> ready;
    {
        const std::lock_guard lock(preparedMutex_);
        ready.swap(prepared_);
    }
    for (auto& [ticket, sound] : ready) {
        working_.erase(ticket);
        // A callback may cancel or add other tickets: look each one up afresh.
        const auto waiting = waiting_.find(ticket);
        if (waiting == waiting_.end())
            continue;
        const Ready onReady = std::move(waiting->second);
        waiting_.erase(waiting);
        onReady(std::move(sound));
    }
}

void SoundLoader::drain()
{
    pool_.waitForDone();
    TuneSynthesizer::instance().shutDown();
    waiting_.clear();
    working_.clear();
    const std::lock_guard lock(preparedMutex_);
    prepared_.clear();
}

} // namespace qv
