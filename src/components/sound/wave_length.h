#pragma once

#include <QByteArray>

namespace qv {

// The playing time of a WAV file in milliseconds, read without an audio device;
// 0 when SDL cannot read the file.
qint64 waveLengthMs(const QByteArray& file);

} // namespace qv
