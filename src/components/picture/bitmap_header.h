#pragma once

#include <QByteArrayView>

namespace qv {

// False when an uncompressed BMP file is shorter than the rows its header promises.
// Qt's reader returns such a picture with its missing rows undefined, so a file cut
// short is refused instead. Compressed bitmaps and headers it cannot judge pass.
bool bitmapRowsPresent(QByteArrayView file);

} // namespace qv
