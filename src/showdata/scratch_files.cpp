#include "showdata/scratch_files.h"

#include "settings/global_settings.h"
#include "showdata/name_lookup.h"
#include "showdata/random_show_config_file.h"

#include <QFile>

#include <filesystem>

namespace qv {

void DeleteScratchFiles()
{
    // "zxz.rss" is no copy but the user's own random show configuration, set aside by a test
    // run that never finished: it goes back, not away.
    restoreRandomConfigAfterInterruptedTest();
    const QString& folder = globalSettings().slideshowPath;
    for (const char* name : {"zxz.rss", "zxz.css", "zxz2.css"}) {
        // A case-sensitive folder may hold one leftover per spelling: all are ours.
        for (const QString& existing : namesMatchingIgnoringCase(folder, QLatin1String(name)))
            QFile::remove(folder + existing);
    }
}

bool restoreRandomConfigAfterInterruptedTest()
{
    const QString& folder = globalSettings().slideshowPath;
    const QStringList leftovers = namesMatchingIgnoringCase(folder, ScratchFile::randomConfigCopy);
    if (leftovers.isEmpty())
        return false;
    // Renaming over the target replaces it in one step, so a second interruption here
    // cannot lose both files.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(folder + leftovers.first()).toStdString(),
                            QFile::encodeName(resolvePathIgnoringCase(randomShowConfigPath())).toStdString(), error);
    return !error;
}

} // namespace qv
