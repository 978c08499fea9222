#pragma once

#include <QByteArrayView>
#include <QSize>

#include <optional>

namespace qv {

// The size a metafile with a "placeable" header declares, in logical pixels (96 per
// inch, as the desktop measured it). Nothing when the header is missing or declares
// no area.
std::optional<QSize> placeableMetafileSize(QByteArrayView data);

// True when the metafile's records lie within the data, each at least as long as a
// record header, so the drawing library never walks past the end. The records end at
// the end-of-file record or exactly at the end of the data.
bool metafileRecordsIntact(QByteArrayView data);

} // namespace qv
