// Any bytes as an effect-selection file: the flags it yields must write back to a
// file that reads as the same flags (but 51, which is always off).
#include "showdata/effect_selection_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto flags = qv::parseEffectSelection(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (!flags)
        return 0;
    auto expected = *flags;
    expected[qv::wipeAwayEffect - 1] = 0;
    const auto reread = qv::parseEffectSelection(qv::formatEffectSelection(*flags));
    if (!reread || *reread != expected)
        std::abort();
    return 0;
}
