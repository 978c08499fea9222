#include "components/sound/fx_snd.h"

#include "components/sound/midi_length.h"
#include "components/sound/sound_file.h"
#include "components/sound/wave_length.h"

#include <QtDebug>

#include <algorithm>
#include <climits>
#include <span>

namespace qv {

namespace {

std::span<const std::uint8_t> asBytes(const QByteArray& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

int timerInterval(qint64 ms)
{
    return static_cast<int>(std::clamp<qint64>(ms, 0, INT_MAX));
}

} // namespace

FXSnd::FXSnd(QObject* parent) : QObject(parent)
{
    endTimer_.setSingleShot(true);
    connect(&endTimer_, &QTimer::timeout, this, &FXSnd::onEndTimer);
    AudioEngine& engine = AudioEngine::instance();
    connect(&engine, &AudioEngine::channelFinished, this, &FXSnd::onChannelFinished);
    connect(&engine, &AudioEngine::musicFinished, this, &FXSnd::onMusicFinished);
    connect(&engine, &AudioEngine::musicTakenOver, this, &FXSnd::onMusicTakenOver);
    connect(&engine, &AudioEngine::shuttingDown, this, [this] {
        stop();
        AudioEngine::instance().releaseChannel(channel_);
        channel_ = -1;
    });
}

FXSnd::~FXSnd()
{
    stop();
    AudioEngine::instance().releaseChannel(channel_);
}

void FXSnd::setFileName(const QString& path)
{
    stop();
    fileName_ = path;
    if (!path.isEmpty())
        start();
}

void FXSnd::setCommand(int value)
{
    command_ = value;
    if (value == commandStop || value == commandClose)
        stop();
    if (value == commandClose)
        fileName_.clear();
}

void FXSnd::start()
{
    state_ = State::Playing;
    looping_ = loop_;
    const qint64 limit = std::max(maxWaveFileBytes, maxMidiFileBytes);
    SoundFileContents file = readSoundFile(fileName_, limit);
    if (!file.problem.isEmpty()) {
        qWarning("Cannot play %s: %s", qPrintable(fileName_), qPrintable(file.problem));
        playSilently(0);
        return;
    }
    if (looksLikeMidiFile(asBytes(file.bytes))) {
        if (file.bytes.size() > maxMidiFileBytes) {
            qWarning("Cannot play %s: too large for a MIDI file", qPrintable(fileName_));
            playSilently(0);
            return;
        }
        startMidi(std::move(file.bytes));
    } else {
        startWave(file.bytes);
    }
}

void FXSnd::startMidi(QByteArray bytes)
{
    const auto timing = midiPlayingTime(asBytes(bytes));
    if (!timing || timing->damaged) {
        qWarning("Cannot play %s: not a readable MIDI file", qPrintable(fileName_));
        playSilently(0);
        return;
    }
    lengthMs_ = std::chrono::duration_cast<std::chrono::milliseconds>(timing->length).count();
    if (lengthMs_ < minimumTuneMs) {
        playSilently(lengthMs_);
        return;
    }

    AudioEngine& engine = AudioEngine::instance();
    musicBytes_ = std::move(bytes);
    music_ = engine.openMusic(musicBytes_);
    musicGeneration_ = engine.playMusic(music_.get());
    if (musicGeneration_ == 0) {
        if (engine.isOpen())
            qWarning("Cannot play %s: %s", qPrintable(fileName_), Mix_GetError());
        music_.reset();
        musicBytes_.clear();
        playSilently(lengthMs_);
        return;
    }
    endTimer_.start(timerInterval(lengthMs_));
}

void FXSnd::startWave(const QByteArray& bytes)
{
    if (bytes.size() > maxWaveFileBytes) {
        qWarning("Cannot play %s: too large for a wave file", qPrintable(fileName_));
        playSilently(0);
        return;
    }
    AudioEngine& engine = AudioEngine::instance();
    if (!engine.isOpen()) {
        playSilently(waveLengthMs(bytes));
        return;
    }
    chunk_ = engine.decodeWave(bytes);
    if (!chunk_) {
        qWarning("Cannot play %s: %s", qPrintable(fileName_), Mix_GetError());
        playSilently(0);
        return;
    }
    lengthMs_ = qint64{chunk_->alen} * 1000 / std::max(1, engine.bytesPerSecond());
    if (channel_ < 0)
        channel_ = engine.claimChannel();
    chunkGeneration_ = engine.playChunk(channel_, chunk_.get(), looping_);
    if (chunkGeneration_ == 0) {
        qWarning("Cannot play %s: no free sound channel", qPrintable(fileName_));
        chunk_.reset();
        playSilently(lengthMs_);
    }
}

// Without output, the sound still "plays" for its length, so callers that wait for
// its end see the same order of events as with a sound device.
void FXSnd::playSilently(qint64 lengthMs)
{
    lengthMs_ = lengthMs;
    if (looping_ && lengthMs > 0)
        return;
    endTimer_.start(timerInterval(lengthMs));
}

void FXSnd::stop()
{
    endTimer_.stop();
    state_ = State::Idle;
    lengthMs_ = -1;
    AudioEngine& engine = AudioEngine::instance();
    if (chunk_) {
        engine.haltChannel(channel_);
        chunk_.reset();
    }
    chunkGeneration_ = 0;
    if (music_) {
        engine.haltMusic(musicGeneration_);
        music_.reset();
    }
    musicBytes_.clear();
    musicGeneration_ = 0;
}

void FXSnd::onEndTimer()
{
    if (music_ && looping_) {
        musicGeneration_ = AudioEngine::instance().playMusic(music_.get());
        if (musicGeneration_ != 0) {
            endTimer_.start(timerInterval(lengthMs_));
            return;
        }
    }
    end();
}

void FXSnd::end()
{
    if (state_ != State::Playing)
        return;
    state_ = State::Ended;
    endTimer_.stop();
    // Last: a handler may start the next sound on this very player.
    emit Notify();
}

void FXSnd::onChannelFinished(int channel, quint64 generation)
{
    if (chunk_ && channel == channel_ && generation == chunkGeneration_)
        end();
}

void FXSnd::onMusicFinished(quint64 generation)
{
    // Usually the tune's own timing has ended it already; this catches a tune that
    // the synthesizer stops early. A looping tune waits for its restart instead.
    if (music_ && generation == musicGeneration_ && !looping_)
        end();
}

void FXSnd::onMusicTakenOver(quint64 generation)
{
    if (music_ && generation == musicGeneration_)
        end();
}

} // namespace qv
