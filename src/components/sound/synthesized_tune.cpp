#include "components/sound/synthesized_tune.h"

#include "components/sound/tune_wave.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace qv {

namespace {

// Whole frames, and no more than the header can announce.
qsizetype announcable(qsizetype sampleBytes)
{
    const qsizetype most = std::min<qsizetype>(std::max<qsizetype>(sampleBytes, 0),
                                               std::numeric_limits<std::uint32_t>::max() - tuneWaveHeaderBytes);
    return most - most % tuneBytesPerFrame;
}

QByteArray headerFor(qsizetype sampleBytes)
{
    const auto header = tuneWaveHeader(static_cast<std::uint32_t>(sampleBytes));
    return QByteArray(header.data(), tuneWaveHeaderBytes);
}

// What SDL's source keeps: its own share of the tune, and where it reads.
struct ReaderState {
    std::shared_ptr<const SynthesizedTune> tune;
    qint64 position = 0;
};

ReaderState& stateOf(SDL_RWops* source)
{
    return *static_cast<ReaderState*>(source->hidden.unknown.data1);
}

Sint64 readerSize(SDL_RWops* source)
{
    return stateOf(source).tune->announcedSize();
}

Sint64 readerSeek(SDL_RWops* source, Sint64 offset, int whence)
{
    ReaderState& state = stateOf(source);
    const qint64 base = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? state.position : state.tune->announcedSize();
    const qint64 target = base + offset;
    if (target < 0)
        return SDL_SetError("Seek before the start of a synthesized tune");
    state.position = target;
    return target;
}

size_t readerRead(SDL_RWops* source, void* into, size_t size, size_t count)
{
    ReaderState& state = stateOf(source);
    if (size == 0 || count == 0)
        return 0;
    const qsizetype wanted = static_cast<qsizetype>(std::min<size_t>(count, std::numeric_limits<qsizetype>::max() / size) * size);
    const qsizetype got = state.tune->read(state.position, static_cast<char*>(into), wanted);
    state.position += got;
    return static_cast<size_t>(got) / size;
}

size_t readerWrite(SDL_RWops*, const void*, size_t, size_t)
{
    SDL_SetError("A synthesized tune is read-only");
    return 0;
}

int readerClose(SDL_RWops* source)
{
    // SDL's source holds its state through a plain pointer; it goes with the source.
    const std::unique_ptr<ReaderState> state(&stateOf(source));
    SDL_FreeRW(source);
    return 0;
}

} // namespace

SynthesizedTune::SynthesizedTune(qsizetype mostSampleBytes)
    : announcedSampleBytes_(announcable(mostSampleBytes)), announcedHeader_(headerFor(announcedSampleBytes_)),
      wave_(tuneWaveHeaderBytes, '\0')
{
}

void SynthesizedTune::append(QByteArrayView samples)
{
    {
        const std::lock_guard lock(mutex_);
        wave_.append(samples);
    }
    grown_.notify_all();
}

void SynthesizedTune::finish(bool whole)
{
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
        whole_ = whole;
        // Readers take the header from the announced one, so this one may change.
        const auto header = tuneWaveHeader(static_cast<std::uint32_t>(wave_.size() - tuneWaveHeaderBytes));
        std::memcpy(wave_.data(), header.data(), header.size());
    }
    grown_.notify_all();
}

std::optional<QByteArray> SynthesizedTune::wholeWave() const
{
    const std::lock_guard lock(mutex_);
    if (!finished_ || !whole_)
        return std::nullopt;
    return wave_;
}

bool SynthesizedTune::waitForLead(qsizetype sampleBytes) const
{
    std::unique_lock lock(mutex_);
    grown_.wait(lock, [&] { return finished_ || wave_.size() - tuneWaveHeaderBytes >= sampleBytes; });
    return wave_.size() > tuneWaveHeaderBytes;
}

qint64 SynthesizedTune::announcedSize() const
{
    return tuneWaveHeaderBytes + announcedSampleBytes_;
}

qsizetype SynthesizedTune::read(qint64 offset, char* into, qsizetype size) const
{
    qsizetype done = 0;
    if (offset < tuneWaveHeaderBytes) {
        done = std::min<qsizetype>(size, tuneWaveHeaderBytes - offset);
        std::memcpy(into, announcedHeader_.constData() + offset, static_cast<size_t>(done));
        offset += done;
    }
    const qint64 announced = announcedSize();
    const qsizetype rest = static_cast<qsizetype>(std::clamp<qint64>(announced - offset, 0, size - done));
    if (rest == 0)
        return done;
    std::unique_lock lock(mutex_);
    grown_.wait(lock, [&] { return finished_ || wave_.size() >= offset + rest; });
    const qsizetype available = static_cast<qsizetype>(std::clamp<qint64>(wave_.size() - offset, 0, rest));
    std::memcpy(into + done, wave_.constData() + offset, static_cast<size_t>(available));
    return done + available;
}

SDL_RWops* openReader(std::shared_ptr<const SynthesizedTune> tune)
{
    SDL_RWops* source = SDL_AllocRW();
    if (source == nullptr)
        return nullptr;
    source->type = SDL_RWOPS_UNKNOWN;
    source->size = readerSize;
    source->seek = readerSeek;
    source->read = readerRead;
    source->write = readerWrite;
    source->close = readerClose;
    source->hidden.unknown.data1 = std::make_unique<ReaderState>(ReaderState{std::move(tune), 0}).release();
    return source;
}

} // namespace qv
