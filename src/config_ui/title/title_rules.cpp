#include "config_ui/title/title_rules.h"

#include "components/platform/file_names.h"
#include "showdata/byte_source.h"
#include "showdata/field_reader.h"
#include "showdata/name_lookup.h"

#include <array>

namespace qv {
namespace {

const QString kEmpty = QStringLiteral("EMPTY");

TitleButtons randomState() { return {true, false, true, true, false}; }

// A file name of the data folder itself: no folder part, nothing that climbs out.
bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
           && name != QLatin1String("..");
}

} // namespace

bool noActiveShow(const QString& activeCss) { return activeCss.toUpper() == kEmpty; }

TitleButtons settledButtons(GlobalSettings& settings)
{
    if (settings.randomFlag != 1 && noActiveShow(settings.activeCss))
        settings.randomFlag = 1;
    if (settings.randomFlag == 1)
        return randomState();
    return {false, true, true, true, true};
}

TitleButtons randomChosen(GlobalSettings& settings)
{
    settings.randomFlag = 1;
    return randomState();
}

TitleButtons customChosen(GlobalSettings& settings)
{
    settings.randomFlag = 0;
    if (noActiveShow(settings.activeCss))
        return {false, true, false, false, false};
    return {false, true, true, true, true};
}

TitleButtons showPicked(GlobalSettings& settings, const QString& showName)
{
    settings.activeCss = showName;
    return customChosen(settings);
}

bool deleteActiveShow(GlobalSettings& settings, QString& savedShowName)
{
    bool deleted = false;
    const QString name = settings.activeCss;
    if (!noActiveShow(name) && isPlainFileName(name)) {
        // The list shows names without regard to case, as a load or save finds them.
        const QStringList spellings = namesMatchingIgnoringCase(settings.slideshowPath, name);
        const QString path = settings.slideshowPath + (spellings.isEmpty() ? name : spellings.first());
        // A plain file, or a link whose file has gone; never a folder.
        if (isPlainFile(path) || !entryExists(path))
            deleted = removeFile(path);
    }
    settings.activeCss = kEmpty;
    savedShowName = kEmpty;
    return deleted;
}

QString readSiteText(const QString& path)
{
    FileByteSource file;
    if (file.open(path) != 0)
        return {};
    std::array<char, 4096> head{};
    qsizetype filled = 0;
    while (filled < static_cast<qsizetype>(head.size())) {
        const std::ptrdiff_t got = file.read(head.data() + filled, head.size() - static_cast<std::size_t>(filled));
        if (got <= 0)
            break;
        filled += got;
    }
    MemoryByteSource bytes(QByteArrayView(head.data(), filled));
    FieldReader reader(bytes);
    QString value;
    if (reader.readText(value) != 0)
        return {};
    for (QChar& character : value) {
        if (character.category() == QChar::Other_Control || character.category() == QChar::Other_Format
            || character.isSpace())
            character = QLatin1Char(' ');
    }
    value = value.simplified();
    if (value.size() > kSiteTextLimit) {
        value.truncate(kSiteTextLimit - 1);
        // Never leave half of a surrogate pair at the cut.
        if (!value.isEmpty() && value.back().isHighSurrogate())
            value.chop(1);
        value = value.trimmed() + QChar(0x2026);
    }
    return value;
}

} // namespace qv
