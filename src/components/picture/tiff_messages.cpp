#include "components/picture/tiff_messages.h"

#include <tiffio.h>

#include <cstdarg>

namespace qv {
namespace {

// The reader's result says all we need; libtiff's chatter about unknown tags is noise.
void ignoreTiffMessage(const char*, const char*, va_list) {}

} // namespace

void silenceTiffMessages()
{
    TIFFSetErrorHandler(ignoreTiffMessage);
    TIFFSetWarningHandler(ignoreTiffMessage);
}

std::mutex& tiffReadTurn()
{
    static std::mutex turn;
    return turn;
}

} // namespace qv
