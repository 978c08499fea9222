#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <SDL_mixer.h>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace qv {

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const;
};
struct MusicDeleter {
    void operator()(Mix_Music* music) const;
};
using ChunkHandle = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
using MusicHandle = std::unique_ptr<Mix_Music, MusicDeleter>;

// The process's one audio output: SDL's audio subsystem alone (Qt owns everything
// else) with SDL_mixer on top. Wave sounds are decoded whole and play on mixer channels, one
// channel per player, so any number of them sound together; MIDI streams through
// the mixer's single music channel, synthesised by fluidsynth.
//
// MIDI needs a General MIDI soundfont, chosen once (sound_fonts.h).
//
// Without a sound device the output falls back to SDL's dummy driver: sounds are
// then silent but are still mixed in real time, so their ends are reported as usual.
//
// The device is open only while someone holds it (hold()): players from the moment
// a file is assigned until its sound has ended, the loader while it decodes. An open
// device keeps SDL's audio thread mixing silence dozens of times a second, and
// pausing it does not stop that, so a screen saver standing on a silent slide
// closes it: a few seconds after the last hold goes (time for the buffered end of
// the sound to be heard). The next hold opens it again. Both happen on a thread of
// the device's own, since closing waits for the buffer to drain and opening may wait
// for a sound server: the thread that paints the show never waits for either. The
// loader waits for the device before it decodes, so no sound loses its beginning.
//
// Every start of a channel or of the music gets a new generation number. SDL reports
// finished sounds on its audio thread; the report carries the generation that was
// current then and reaches the Qt thread as a queued signal, so a player can tell
// its own sound's end from that of a sound it has since stopped or replaced.
class AudioEngine : public QObject {
    Q_OBJECT

public:
    static constexpr int maxChannels = 64;

    static AudioEngine& instance();

    // Keeps the device open while it lives (see above); an empty Hold keeps nothing.
    class Hold {
    public:
        Hold() = default;
        Hold(Hold&& other) noexcept : engine_(std::exchange(other.engine_, nullptr)) {}
        Hold& operator=(Hold&& other) noexcept;
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        ~Hold() { reset(); }
        void reset();

    private:
        friend class AudioEngine;
        explicit Hold(AudioEngine* engine) : engine_(engine) {}
        AudioEngine* engine_ = nullptr;
    };

    // Has the device opened unless it is open, without waiting for it (settle()
    // does). Qt thread only.
    [[nodiscard]] Hold hold();
    // How long the device stays open after the last hold has gone.
    static constexpr std::chrono::milliseconds idleBeforeClosing{2000};

    // The device is open (it is while anyone holds it, unless no output works).
    bool isOpen() const { return open_.load(); }
    QString driverName() const { return driverName_; }
    // Of the opened output format; the length of a decoded chunk follows from it.
    int bytesPerSecond() const { return bytesPerSecond_; }
    // The ';'-separated soundfonts that MIDI is synthesized with; empty without any.
    // Chosen once, before any other thread asks.
    const QString& soundFonts() const { return soundFonts_; }

    // A channel for one player's wave sounds, or -1 when all are taken.
    int claimChannel();
    void releaseChannel(int channel);

    // These two may run on any thread (see SoundLoader).
    ChunkHandle decodeWave(const QByteArray& bytes) const;
    // The music reads from `bytes` while it plays: they must outlive it.
    MusicHandle openMusic(const QByteArray& bytes) const;
    // Reads from `source`, which the music closes; closed at once when not opened.
    MusicHandle openMusic(SDL_RWops* source) const;

    // Start playing and return the start's generation, or 0 when it failed. A
    // looping sound repeats until it is halted.
    std::uint64_t playChunk(int channel, Mix_Chunk* chunk, bool loop);
    void haltChannel(int channel);
    // Plays once, taking the music channel from whoever had it; they are told
    // through `musicTakenOver`. Looping is the caller's business: the synthesizer's
    // own repeat spins without end on tunes it cannot read.
    std::uint64_t playMusic(Mix_Music* music);
    // Halts the music only while the start `generation` still holds it.
    void haltMusic(std::uint64_t generation);

    // Closes the output for the rest of the run; `shuttingDown` lets players and the
    // loader release their sounds first.
    void shutDown();

    // Waits until the device has finished opening or closing: the mixer's state must
    // not be touched meanwhile (decoding, or freeing a chunk or a tune, touches it).
    void settle();
    // Runs `free` (which touches the mixer's state) now, or, while the device is
    // opening or closing, on the device's thread once that is done: a sound let go on
    // the thread that paints the show never waits for the device.
    void freeWhenSettled(std::function<void()> free);

signals:
    void channelFinished(int channel, quint64 generation);
    void musicFinished(quint64 generation);
    void musicTakenOver(quint64 generation);
    void shuttingDown();

private:
    AudioEngine();
    ~AudioEngine() override;

    enum class DeviceWork { Open, Close };

    void startAudio();
    void openSoon();
    void startDeviceWork(DeviceWork work);
    bool openDevice();
    bool openMixer();
    void releaseHold();
    void closeWhenIdle();
    std::uint64_t nextGeneration() { return ++lastGeneration_; }

    static void onChannelDone(int channel);
    static void onMusicDone();

    std::atomic<bool> open_{false}; // also read on the loader thread
    bool audioStarted_ = false;     // SDL's audio subsystem and the mixer's decoders
    bool shutDown_ = false;
    int holds_ = 0;
    QTimer idleTimer_;
    // The device opens and closes on a thread of its own (see openSoon).
    std::mutex deviceMutex_;
    std::condition_variable settled_;
    bool deviceBusy_ = false;
    bool openWanted_ = false;
    std::vector<std::function<void()>> freeOnceSettled_;
    std::thread deviceThread_;
    QString driverName_;
    QString soundFonts_;
    int bytesPerSecond_ = 0;
    int allocatedChannels_ = 0;
    std::array<bool, maxChannels> channelTaken_{};
    std::uint64_t lastGeneration_ = 0;
    // Read on the audio thread by the finished callbacks.
    std::array<std::atomic<std::uint64_t>, maxChannels> channelGeneration_{};
    std::atomic<std::uint64_t> musicGeneration_{0};
};

} // namespace qv
