#pragma once

#include <mutex>

namespace qv {

// libtiff reports problems through one process-wide handler. GraphicsMagick installs
// its own there whenever it touches a TIFF, and that handler aborts the process when
// libtiff calls it from anyone else's read, such as Qt's TIFF reader meeting a damaged
// file. Call this right before Qt reads a TIFF: it puts silent handlers back.
void silenceTiffMessages();

// The handler is one for the whole process, so TIFF reads take turns: hold this while
// reading a TIFF with either library, and call silenceTiffMessages() after
// GraphicsMagick's read, before letting go.
std::mutex& tiffReadTurn();

} // namespace qv
