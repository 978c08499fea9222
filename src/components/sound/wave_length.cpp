#include "components/sound/wave_length.h"

#include <SDL.h>

namespace qv {

qint64 waveLengthMs(const QByteArray& file)
{
    SDL_AudioSpec decoded{};
    Uint8* samples = nullptr;
    Uint32 byteCount = 0;
    SDL_RWops* source = SDL_RWFromConstMem(file.constData(), static_cast<int>(file.size()));
    if (SDL_LoadWAV_RW(source, 1, &decoded, &samples, &byteCount) == nullptr)
        return 0;
    SDL_FreeWAV(samples);
    const qint64 bytesPerSecond =
        qint64{decoded.freq} * decoded.channels * static_cast<qint64>(SDL_AUDIO_BITSIZE(decoded.format) / 8);
    return bytesPerSecond > 0 ? qint64{byteCount} * 1000 / bytesPerSecond : 0;
}

} // namespace qv
