#include "components/sound/fx_snd.h"

#include "components/sound/sound_loader.h"

#include <QtDebug>

#include <algorithm>
#include <climits>

namespace qv {

namespace {

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
    if (path.isEmpty())
        return;
    state_ = State::Preparing;
    looping_ = loop_;
    output_ = AudioEngine::instance().hold();
    preparation_ = SoundLoader::instance().prepare(path, [this](PreparedSound sound) {
        preparation_ = 0;
        play(std::move(sound));
    });
}

void FXSnd::setCommand(int value)
{
    command_ = value;
    if (value == commandStop || value == commandClose)
        stop();
    if (value == commandClose)
        fileName_.clear();
}

void FXSnd::play(PreparedSound sound)
{
    state_ = State::Playing;
    switch (sound.kind) {
    case PreparedSound::Kind::Wave:
        playWave(std::move(sound));
        return;
    case PreparedSound::Kind::Tune:
        playTune(std::move(sound));
        return;
    case PreparedSound::Kind::Unplayable:
        break;
    }
    qWarning("Cannot play %s: %s", qPrintable(fileName_), qPrintable(sound.problem));
    playSilently(0);
}

void FXSnd::playWave(PreparedSound sound)
{
    lengthMs_ = sound.lengthMs;
    if (!sound.chunk) {
        playSilently(lengthMs_);
        return;
    }
    AudioEngine& engine = AudioEngine::instance();
    if (channel_ < 0)
        channel_ = engine.claimChannel();
    chunk_ = std::move(sound.chunk);
    chunkGeneration_ = engine.playChunk(channel_, chunk_.get(), looping_);
    if (chunkGeneration_ == 0) {
        qWarning("Cannot play %s: no free sound channel", qPrintable(fileName_));
        chunk_.reset();
        playSilently(lengthMs_);
    }
}

void FXSnd::playTune(PreparedSound sound)
{
    lengthMs_ = sound.lengthMs;
    if (!sound.music) {
        playSilently(lengthMs_);
        return;
    }
    tuneBytes_ = std::move(sound.tuneBytes);
    music_ = std::move(sound.music);
    musicGeneration_ = AudioEngine::instance().playMusic(music_.get());
    if (musicGeneration_ == 0) {
        music_.reset();
        tuneBytes_.clear();
        playSilently(lengthMs_);
        return;
    }
    endTimer_.start(timerInterval(lengthMs_));
}

// Without output, the sound still "plays" for its length, so callers that wait for
// its end see the same order of events as with a sound device.
void FXSnd::playSilently(qint64 lengthMs)
{
    output_.reset();
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
    if (preparation_ != 0) {
        SoundLoader::instance().cancel(preparation_);
        preparation_ = 0;
    }
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
    tuneBytes_.clear();
    musicGeneration_ = 0;
    output_.reset();
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
    if (chunk_ && channel == channel_ && generation == chunkGeneration_) {
        end();
        // Unless the handler of Notify started the next sound.
        if (state_ == State::Ended)
            output_.reset();
    }
}

void FXSnd::onMusicFinished(quint64 generation)
{
    // Usually the tune's own timing has ended it already; this catches a tune that
    // the synthesizer stops early. A looping tune waits for its restart instead.
    if (!music_ || generation != musicGeneration_ || looping_)
        return;
    end();
    // Only now has the synthesizer's release tail been heard out.
    if (state_ == State::Ended)
        output_.reset();
}

void FXSnd::onMusicTakenOver(quint64 generation)
{
    if (!music_ || generation != musicGeneration_)
        return;
    end();
    if (state_ == State::Ended)
        output_.reset();
}

} // namespace qv
