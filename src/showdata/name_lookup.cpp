#include "showdata/name_lookup.h"

#include <QDir>
#include <QFileInfo>

namespace qv {

QStringList namesMatchingIgnoringCase(const QString& folder, const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    const QDir dir(folder.isEmpty() ? QStringLiteral("/") : folder);
    QStringList matches;
    const QStringList entries = dir.entryList(QDir::Files, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (entry == name)
            matches.prepend(entry);
        else
            matches.append(entry);
    }
    return matches;
}

bool FileExistsIn(const QString& directory, const QString& name)
{
    return !namesMatchingIgnoringCase(directory, name).isEmpty();
}

QString resolvePathIgnoringCase(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return path;
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    const QStringList matches = namesMatchingIgnoringCase(folder, info.fileName());
    return matches.isEmpty() ? path : folder + matches.first();
}

} // namespace qv
