#include "components/sound/audio_engine.h"

#include "components/sound/sound_fonts.h"

#include <QCoreApplication>
#include <QtDebug>

#include <SDL.h>

namespace qv {

namespace {

// The engine that SDL's finished callbacks report to; null while the output is shut.
std::atomic<AudioEngine*> callbackTarget{nullptr};

constexpr int outputRate = 44100;
constexpr int outputChannels = 2;
constexpr int mixChunkFrames = 1024;

void useDummyDriver()
{
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
}

} // namespace

void ChunkDeleter::operator()(Mix_Chunk* chunk) const
{
    AudioEngine::instance().freeWhenSettled([chunk] { Mix_FreeChunk(chunk); });
}

void MusicDeleter::operator()(Mix_Music* music) const
{
    AudioEngine::instance().freeWhenSettled([music] { Mix_FreeMusic(music); });
}

AudioEngine::Hold& AudioEngine::Hold::operator=(Hold&& other) noexcept
{
    if (this != &other) {
        reset();
        engine_ = std::exchange(other.engine_, nullptr);
    }
    return *this;
}

void AudioEngine::Hold::reset()
{
    if (AudioEngine* engine = std::exchange(engine_, nullptr))
        engine->releaseHold();
}

AudioEngine& AudioEngine::instance()
{
    static AudioEngine engine;
    return engine;
}

AudioEngine::AudioEngine()
{
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(idleBeforeClosing);
    connect(&idleTimer_, &QTimer::timeout, this, &AudioEngine::closeWhenIdle);
    startAudio();
    // The application object's destructor runs these, before the program's statics
    // go and while SDL's libraries are still loaded.
    qAddPostRoutine([] { AudioEngine::instance().shutDown(); });
}

AudioEngine::~AudioEngine()
{
    shutDown();
}

void AudioEngine::startAudio()
{
    // SDL would otherwise take over SIGINT and SIGTERM from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        qWarning("No audio driver (%s); sounds will be silent", SDL_GetError());
        useDummyDriver();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return;
    }
    Mix_Init(MIX_INIT_MID);
    soundFonts_ = chooseSoundFonts();
    if (soundFonts_.isEmpty())
        qWarning("No General MIDI soundfont found; MIDI files will be silent");
    else
        Mix_SetSoundFonts(soundFonts_.toLocal8Bit().constData());
    callbackTarget.store(this);
    audioStarted_ = true;
}

AudioEngine::Hold AudioEngine::hold()
{
    if (shutDown_)
        return {};
    ++holds_;
    idleTimer_.stop();
    openSoon();
    return Hold(this);
}

// Opening a device takes tens of milliseconds on a sound server, and a device still
// closing must be closed first: both happen on the device's own thread, so that the
// thread that paints the show never waits for the device. What needs the device open
// (decoding, on the loader's thread) waits for it with settle().
void AudioEngine::openSoon()
{
    if (open_ || !audioStarted_)
        return;
    const std::lock_guard lock(deviceMutex_);
    if (deviceBusy_) {
        openWanted_ = true;  // opened once the closing is done
        return;
    }
    startDeviceWork(DeviceWork::Open);
}

void AudioEngine::startDeviceWork(DeviceWork work)
{
    // The thread of the work before has ended its work; at most its last frees are left.
    if (deviceThread_.joinable())
        deviceThread_.join();
    deviceBusy_ = true;
    deviceThread_ = std::thread([this, work] {
        if (work == DeviceWork::Close)
            Mix_CloseAudio();
        bool openNow = work == DeviceWork::Open;
        std::vector<std::function<void()>> frees;
        for (;;) {
            if (openNow)
                openDevice();
            const std::lock_guard lock(deviceMutex_);
            if (!open_ && std::exchange(openWanted_, false)) {
                openNow = true;
                continue;
            }
            openWanted_ = false;
            deviceBusy_ = false;
            frees.swap(freeOnceSettled_);
            break;
        }
        settled_.notify_all();
        for (const auto& free : frees)
            free();
        SDL_TLSCleanup();
    });
}

void AudioEngine::releaseHold()
{
    if (--holds_ == 0 && !shutDown_)
        idleTimer_.start();
}

bool AudioEngine::openDevice()
{
    if (open_ || !audioStarted_)
        return open_;
    if (!openMixer()) {
        qWarning("No sound device (%s); sounds will be silent", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        useDummyDriver();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || !openMixer()) {
            qWarning("Audio output unavailable: %s", SDL_GetError());
            return false;
        }
    }

    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    bytesPerSecond_ = rate * channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
    driverName_ = QString::fromUtf8(SDL_GetCurrentAudioDriver());

    // A new device starts with the mixer's default number of channels: the players
    // keep the channels they claimed before it closed.
    if (allocatedChannels_ > Mix_AllocateChannels(-1))
        Mix_AllocateChannels(allocatedChannels_);
    allocatedChannels_ = Mix_AllocateChannels(-1);
    Mix_ChannelFinished(&AudioEngine::onChannelDone);
    Mix_HookMusicFinished(&AudioEngine::onMusicDone);
    open_ = true;
    return true;
}

bool AudioEngine::openMixer()
{
    return Mix_OpenAudio(outputRate, MIX_DEFAULT_FORMAT, outputChannels, mixChunkFrames) == 0;
}

void AudioEngine::closeWhenIdle()
{
    if (holds_ > 0 || !open_ || shutDown_)
        return;
    const std::lock_guard lock(deviceMutex_);
    if (deviceBusy_) {
        idleTimer_.start();
        return;
    }
    open_ = false;
    startDeviceWork(DeviceWork::Close);
}

void AudioEngine::settle()
{
    std::unique_lock lock(deviceMutex_);
    if (deviceThread_.get_id() == std::this_thread::get_id())
        return;
    settled_.wait(lock, [this] { return !deviceBusy_; });
    // Past its work, the thread only frees what was let go meanwhile.
    if (deviceThread_.joinable())
        deviceThread_.join();
}

void AudioEngine::freeWhenSettled(std::function<void()> free)
{
    {
        const std::lock_guard lock(deviceMutex_);
        if (deviceBusy_) {
            freeOnceSettled_.push_back(std::move(free));
            return;
        }
    }
    settle();
    free();
}

void AudioEngine::shutDown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    idleTimer_.stop();
    settle();
    if (!audioStarted_)
        return;
    emit shuttingDown();
    Mix_ChannelFinished(nullptr);
    Mix_HookMusicFinished(nullptr);
    callbackTarget.store(nullptr);
    if (open_) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        Mix_CloseAudio();
        open_ = false;
    }
    Mix_Quit();
    // Nothing but sound uses SDL here: quitting it whole also frees its hints.
    SDL_Quit();
    audioStarted_ = false;
}

int AudioEngine::claimChannel()
{
    if (!open_)
        return -1;
    for (int channel = 0; channel < maxChannels; ++channel) {
        if (channelTaken_[static_cast<std::size_t>(channel)])
            continue;
        if (channel >= allocatedChannels_)
            allocatedChannels_ = Mix_AllocateChannels(channel + 1);
        if (channel >= allocatedChannels_)
            return -1;
        channelTaken_[static_cast<std::size_t>(channel)] = true;
        return channel;
    }
    return -1;
}

void AudioEngine::releaseChannel(int channel)
{
    if (channel < 0 || channel >= maxChannels)
        return;
    if (open_)
        Mix_HaltChannel(channel);
    channelTaken_[static_cast<std::size_t>(channel)] = false;
}

ChunkHandle AudioEngine::decodeWave(const QByteArray& bytes) const
{
    if (!open_)
        return {};
    SDL_RWops* source = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    return ChunkHandle(Mix_LoadWAV_RW(source, 1));
}

MusicHandle AudioEngine::openMusic(const QByteArray& bytes) const
{
    return openMusic(SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size())));
}

MusicHandle AudioEngine::openMusic(SDL_RWops* source) const
{
    if (source == nullptr)
        return {};
    if (!open_) {
        SDL_RWclose(source);
        return {};
    }
    return MusicHandle(Mix_LoadMUS_RW(source, 1));
}

std::uint64_t AudioEngine::playChunk(int channel, Mix_Chunk* chunk, bool loop)
{
    if (!open_ || channel < 0 || channel >= allocatedChannels_ || chunk == nullptr)
        return 0;
    // Halting first means the channel's old sound can report nothing once the new
    // generation is in place: its report, if any, is already on its way.
    Mix_HaltChannel(channel);
    const std::uint64_t generation = nextGeneration();
    channelGeneration_[static_cast<std::size_t>(channel)].store(generation);
    if (Mix_PlayChannel(channel, chunk, loop ? -1 : 0) < 0) {
        qWarning("Cannot play a sound: %s", Mix_GetError());
        return 0;
    }
    return generation;
}

void AudioEngine::haltChannel(int channel)
{
    if (open_ && channel >= 0 && channel < allocatedChannels_)
        Mix_HaltChannel(channel);
}

std::uint64_t AudioEngine::playMusic(Mix_Music* music)
{
    if (!open_ || music == nullptr)
        return 0;
    const std::uint64_t previous = musicGeneration_.load();
    if (Mix_PlayingMusic() != 0 && previous != 0) {
        QMetaObject::invokeMethod(
            this, [this, previous] { emit musicTakenOver(previous); }, Qt::QueuedConnection);
    }
    Mix_HaltMusic();
    const std::uint64_t generation = nextGeneration();
    musicGeneration_.store(generation);
    if (Mix_PlayMusic(music, 0) != 0) {
        qWarning("Cannot play a tune: %s", Mix_GetError());
        return 0;
    }
    return generation;
}

void AudioEngine::haltMusic(std::uint64_t generation)
{
    if (open_ && generation != 0 && musicGeneration_.load() == generation)
        Mix_HaltMusic();
}

// SDL calls the two below on its audio thread, or inside a halt on ours, with the
// audio locked: they only post.
void AudioEngine::onChannelDone(int channel)
{
    AudioEngine* engine = callbackTarget.load();
    if (engine == nullptr || channel < 0 || channel >= maxChannels)
        return;
    const std::uint64_t generation = engine->channelGeneration_[static_cast<std::size_t>(channel)].load();
    QMetaObject::invokeMethod(
        engine, [engine, channel, generation] { emit engine->channelFinished(channel, generation); },
        Qt::QueuedConnection);
}

void AudioEngine::onMusicDone()
{
    AudioEngine* engine = callbackTarget.load();
    if (engine == nullptr)
        return;
    const std::uint64_t generation = engine->musicGeneration_.load();
    QMetaObject::invokeMethod(
        engine, [engine, generation] { emit engine->musicFinished(generation); }, Qt::QueuedConnection);
}

} // namespace qv
