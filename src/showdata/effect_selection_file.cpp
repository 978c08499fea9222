#include "showdata/effect_selection_file.h"

#include "components/platform/file_errors.h"
#include "components/platform/message_box.h"
#include "settings/global_settings.h"
#include "showdata/byte_source.h"
#include "showdata/file_replacement.h"
#include "showdata/file_stamps.h"
#include "showdata/name_lookup.h"

#include <limits>

namespace qv {
namespace {

// A real file is under 600 bytes; this leaves room for generous blanks and still
// bounds what a hostile file can make the program hold.
constexpr std::size_t maxSelectionFileBytes = 64 * 1024;

std::optional<std::int16_t> wholeNumber(QByteArrayView line)
{
    const QByteArray text = line.toByteArray().trimmed();
    bool ok = false;
    const long value = text.toLong(&ok, 10);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

} // namespace

std::optional<EffectSelection> parseEffectSelection(QByteArrayView bytes)
{
    EffectSelection flags{};
    qsizetype lineStart = 0;
    for (std::size_t k = 0; k < flags.size(); ++k) {
        if (lineStart >= bytes.size())
            return std::nullopt;
        qsizetype lineEnd = bytes.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = bytes.size();
        const auto number = wholeNumber(bytes.sliced(lineStart, lineEnd - lineStart));
        if (!number)
            return std::nullopt;
        flags[k] = *number;
        lineStart = lineEnd + 1;
    }
    return flags;
}

QByteArray formatEffectSelection(const EffectSelection& flags)
{
    QByteArray bytes;
    for (std::size_t k = 0; k < flags.size(); ++k) {
        const int flag = k + 1 == wipeAwayEffect ? 0 : flags[k];
        bytes.append(flag < 0 ? "" : " ").append(QByteArray::number(flag)).append(" \r\n");
    }
    return bytes;
}

QString effectSelectionPath() { return globalSettings().slideshowPath + effectSelectionFileName; }

std::optional<EffectSelection> readEffectSelectionFile(const QString& path)
{
    FileByteSource file;
    const QString resolved = resolvePathIgnoringCase(path);
    const int error = file.open(resolved);
    rememberFileStamp(resolved);
    if (error != FileError::None)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(maxSelectionFileBytes), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const std::ptrdiff_t count = file.read(bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        filled += count;
    }
    bytes.truncate(filled);
    return parseEffectSelection(bytes);
}

int SaveEffectSelection(const EffectSelection& flags)
{
    return saveFileChecked(resolvePathIgnoringCase(effectSelectionPath()), formatEffectSelection(flags),
                           QStringLiteral("Error Saving data "));
}

EffectSelection effectSelectionOf(const EffectCatalogue& catalogue)
{
    EffectSelection flags{};
    std::copy(catalogue.effectEnabled.begin() + 1, catalogue.effectEnabled.begin() + lastRealEffect + 1, flags.begin());
    return flags;
}

} // namespace qv
