#include "showdata/scratch_files.h"

#include "settings/global_settings.h"
#include "showdata/name_lookup.h"

#include <QFile>

namespace qv {

void DeleteScratchFiles()
{
    const QString& folder = globalSettings().slideshowPath;
    for (const char* name : {"zxz.rss", "zxz.css", "zxz2.css"}) {
        // A case-sensitive folder may hold one leftover per spelling: all are ours.
        for (const QString& existing : namesMatchingIgnoringCase(folder, QLatin1String(name)))
            QFile::remove(folder + existing);
    }
}

} // namespace qv
