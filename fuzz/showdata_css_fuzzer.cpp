// Any bytes as a custom show file: the reader must fail cleanly or give a table
// whose counts match its columns, and whatever loads must save and load back alike.
#include "showdata/custom_show_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qv::MemoryByteSource source(QByteArrayView(data, static_cast<qsizetype>(size)));
    qv::CustomShow show;
    QString appName;
    const int error = qv::readCustomShow(source, show, appName);
    const auto rows = static_cast<std::size_t>(show.slideCount) + 1;
    if (show.picture.size() < rows || show.audioLoop.size() < rows || show.pictureCount > show.slideCount)
        std::abort();
    if (error != 0)
        return 0;
    // Texts holding a double quote cannot be written back faithfully.
    const auto holdsQuote = [](const QString& text) { return text.contains(QLatin1Char('"')); };
    for (const auto* column : {&show.picture, &show.description, &show.audio}) {
        if (std::any_of(column->begin(), column->end(), holdsQuote))
            return 0;
    }
    if (holdsQuote(appName))
        return 0;
    const QByteArray written = qv::formatCustomShow(show, appName);
    qv::MemoryByteSource again(written);
    qv::CustomShow reread;
    QString rereadName;
    if (qv::readCustomShow(again, reread, rereadName) != 0 || reread.slideCount != show.slideCount)
        std::abort();
    return 0;
}
