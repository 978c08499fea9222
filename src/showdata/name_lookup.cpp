#include "showdata/name_lookup.h"

#include "components/platform/file_names.h"
#include "showdata/directory_listing.h"

#include <algorithm>

#include <sys/stat.h>

namespace qv {

QStringList namesMatchingIgnoringCase(const QString& folder, const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    const auto listing = listDirectory(encodeFileName(folder));
    if (!listing)
        return {};
    std::vector<std::string> files = listing->files;
    std::sort(files.begin(), files.end());
    QStringList matches;
    for (const std::string& raw : files) {
        QString entry = decodeFileName(QByteArrayView(raw.data(), static_cast<qsizetype>(raw.size())));
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (entry == name)
            matches.prepend(std::move(entry));
        else
            matches.append(std::move(entry));
    }
    return matches;
}

bool FileExistsIn(const QString& directory, const QString& name)
{
    return !namesMatchingIgnoringCase(directory, name).isEmpty();
}

QString resolvePathIgnoringCase(const QString& path)
{
    struct stat status {};
    if (::lstat(encodeFileName(path).constData(), &status) == 0)
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1);
    const QStringList matches = namesMatchingIgnoringCase(folder, path.mid(slash + 1));
    return matches.isEmpty() ? path : folder + matches.first();
}

} // namespace qv
