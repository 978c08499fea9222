// Any bytes, as a picture file: the decoder must answer with a code, never crash, hang
// or allocate without bound; a decoded picture must draw at another size too.
#include "components/picture/picture_decoder.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool quiet = [] {
        // Qt's readers complain about every damaged file on stderr.
        qInstallMessageHandler(dropMessage);
        return true;
    }();
    (void)quiet;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qv::DecodeOutcome outcome = qv::decodePictureData(bytes, QSize(320, 240));
    if (outcome.picture)
        (void)outcome.picture->imageAt(QSize(64, 48));
    return 0;
}
