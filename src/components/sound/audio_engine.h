#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <SDL_mixer.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

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
// else) with SDL_mixer on top, opened on first use and closed when the application
// object goes away. Wave sounds are decoded whole and play on mixer channels, one
// channel per player, so any number of them sound together; MIDI streams through
// the mixer's single music channel, synthesised by fluidsynth.
//
// MIDI needs a General MIDI soundfont. The program takes the first of:
//   - the file, or ';'-separated files, named by the environment variable
//     QUINTAVUE_SOUNDFONT, when the first of them exists;
//   - /usr/share/sounds/sf2/default-GM.sf2 (the system's chosen General MIDI font);
//   - /usr/share/sounds/sf2/TimGM6mb.sf2, /usr/share/sounds/sf2/FluidR3_GM.sf2.
//
// Without a sound device the output falls back to SDL's dummy driver: sounds are
// then silent but are still mixed in real time, so their ends are reported as usual.
//
// Every start of a channel or of the music gets a new generation number. SDL reports
// finished sounds on its audio thread; the report carries the generation that was
// current then and reaches the Qt thread as a queued signal, so a player can tell
// its own sound's end from that of a sound it has since stopped or replaced.
class AudioEngine : public QObject {
    Q_OBJECT

public:
    static constexpr int maxChannels = 64;

    // Opens the output on the first call.
    static AudioEngine& instance();

    bool isOpen() const { return open_.load(); }
    QString driverName() const { return driverName_; }
    // Of the opened output format; the length of a decoded chunk follows from it.
    int bytesPerSecond() const { return bytesPerSecond_; }

    // A channel for one player's wave sounds, or -1 when all are taken.
    int claimChannel();
    void releaseChannel(int channel);

    // These two may run on any thread (see SoundLoader).
    ChunkHandle decodeWave(const QByteArray& bytes) const;
    // The music reads from `bytes` while it plays: they must outlive it.
    MusicHandle openMusic(const QByteArray& bytes) const;

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

signals:
    void channelFinished(int channel, quint64 generation);
    void musicFinished(quint64 generation);
    void musicTakenOver(quint64 generation);
    void shuttingDown();

private:
    AudioEngine();
    ~AudioEngine() override;

    void openOutput();
    bool openMixer();
    std::uint64_t nextGeneration() { return ++lastGeneration_; }

    static void onChannelDone(int channel);
    static void onMusicDone();

    std::atomic<bool> open_{false}; // also read on the loader thread
    bool shutDown_ = false;
    QString driverName_;
    int bytesPerSecond_ = 0;
    int allocatedChannels_ = 0;
    std::array<bool, maxChannels> channelTaken_{};
    std::uint64_t lastGeneration_ = 0;
    // Read on the audio thread by the finished callbacks.
    std::array<std::atomic<std::uint64_t>, maxChannels> channelGeneration_{};
    std::atomic<std::uint64_t> musicGeneration_{0};
};

} // namespace qv
