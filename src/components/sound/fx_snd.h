#pragma once

#include "components/sound/audio_engine.h"
#include "components/sound/sound_preparation.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

namespace qv {

// A WAV or MIDI player, driven the way the show and the configuration screens drive
// it: set the device kind and the loop flag, then assign the file path, which starts
// playback; assign the empty path, or the command 11 (stop) and then 1 (close), to
// stop and release it.
//
// `Notify` comes once, when a sound that was started ends by itself:
//   - a wave sound when its last sample has been mixed; a MIDI tune when its last
//     event is due, by the tune's own timing (the synthesizer's release tail may
//     still ring on; the next tune cuts it);
//   - a file that cannot be read or decoded plays as silence of no length: its
//     `Notify` comes as soon as events run, so a show that waits for the end of a
//     sound before choosing the next one never waits for ever;
//   - a MIDI tune that is cut off because another player starts a MIDI tune (there is
//     one music channel) ends then;
//   - a looping sound never ends by itself and never notifies, not even per pass;
//   - a MIDI file that is damaged plays as silence of no length (the synthesizer
//     refuses such files whole); one shorter than `minimumTuneMs`, or timed in SMPTE
//     frames (which the synthesizer cannot play), plays as silence of its length.
// A sound that is stopped, released or replaced by a new path gives no `Notify`:
// the show's handlers clear their "playing" flags themselves when they stop a player.
//
// Assigning a path returns at once: the file is read and decoded on a loader
// thread, and playback starts when it is ready. What plays is decided by the file's
// content: a MIDI file streams through the synthesizer, anything else is decoded as
// a wave sound (WAV, AIFF, VOC). The device kind is kept for the callers that set it
// and read it back. Device kind and loop flag take effect at the next start.
class FXSnd : public QObject {
    Q_OBJECT

public:
    static constexpr int deviceWaveAudio = 0;
    static constexpr int deviceMidi = 1;
    static constexpr int commandClose = 1;
    static constexpr int commandStop = 11;

    explicit FXSnd(QObject* parent = nullptr);
    ~FXSnd() override;

    QString fileName() const { return fileName_; }
    void setFileName(const QString& path);

    int deviceType() const { return deviceType_; }
    void setDeviceType(int type) { deviceType_ = type; }

    bool loop() const { return loop_; }
    void setLoop(bool on) { loop_ = on; }

    // 11 stops; 1 stops and forgets the file. Other values are kept and do nothing.
    int command() const { return command_; }
    void setCommand(int value);

    // Set by the configuration screens before a trial play. Kept for them; it does
    // not change how anything plays.
    bool trialFlag() const { return trialFlag_; }
    void setTrialFlag(bool on) { trialFlag_ = on; }

    // From a start until the sound's end or a stop, including the moments in which
    // the file is still being prepared.
    bool isPlaying() const { return state_ != State::Idle && state_ != State::Ended; }
    // One pass of the current sound in milliseconds; -1 until it is known.
    qint64 lengthMs() const { return lengthMs_; }

signals:
    void Notify();

private:
    enum class State { Idle, Preparing, Playing, Ended };

    void play(PreparedSound sound);
    void playWave(PreparedSound sound);
    void playTune(PreparedSound sound);
    void playSilently(qint64 lengthMs);
    void stop();
    void onEndTimer();
    void end();

    void onChannelFinished(int channel, quint64 generation);
    void onMusicFinished(quint64 generation);
    void onMusicTakenOver(quint64 generation);

    QString fileName_;
    int deviceType_ = deviceWaveAudio;
    bool loop_ = false;
    int command_ = 0;
    bool trialFlag_ = false;

    State state_ = State::Idle;
    bool looping_ = false; // the loop flag as it was at the start
    quint64 preparation_ = 0;
    qint64 lengthMs_ = -1;
    // Ends (or restarts) tunes by their own timing; ends silent sounds and
    // unreadable files.
    QTimer endTimer_;

    int channel_ = -1;
    ChunkHandle chunk_;
    std::uint64_t chunkGeneration_ = 0;
    // The music streams from these bytes: declared before the music so they outlive it.
    QByteArray tuneBytes_;
    MusicHandle music_;
    std::uint64_t musicGeneration_ = 0;
    // From the assignment of a file until its sound has been heard out: a tune's
    // until the synthesizer has let its last notes ring.
    AudioEngine::Hold output_;
};

} // namespace qv
