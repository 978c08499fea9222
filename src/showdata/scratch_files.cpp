#include "showdata/scratch_files.h"

#include "components/platform/file_names.h"
#include "settings/global_settings.h"
#include "showdata/name_lookup.h"
#include "showdata/random_show_config_file.h"

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
            removeFile(folder + existing);
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
    std::filesystem::rename(encodeFileName(folder + leftovers.first()).toStdString(),
                            encodeFileName(resolvePathIgnoringCase(randomShowConfigPath())).toStdString(), error);
    return !error;
}

} // namespace qv
