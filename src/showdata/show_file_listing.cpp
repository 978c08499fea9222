#include "showdata/show_file_listing.h"

#include "components/platform/file_names.h"
#include "settings/global_settings.h"
#include "showdata/directory_listing.h"
#include "showdata/scratch_files.h"

#include <algorithm>

namespace qv {

ShowFileListing listShowFilesIn(const QString& folder, const QString& activeName)
{
    ShowFileListing listing;
    const auto entries = listDirectory(encodeFileName(folder));
    if (!entries)
        return listing;
    std::vector<std::string> shows;
    // An older version's test copies are no shows, though a run that died left them.
    std::copy_if(entries->files.begin(), entries->files.end(), std::back_inserter(shows), [](const std::string& name) {
        return hasExtensionIgnoringCase(name, "css") && !isScratchShowName(QString::fromStdString(name));
    });
    std::sort(shows.begin(), shows.end(), lessIgnoringCase);
    for (const std::string& name : shows)
        listing.names.append(decodeFileName(QByteArrayView(name.data(), static_cast<qsizetype>(name.size()))));
    const QString wanted = activeName.toUpper();
    for (qsizetype i = 0; i < listing.names.size(); ++i) {
        if (listing.names[i].toUpper() == wanted) {
            listing.selectedIndex = static_cast<int>(i);
            break;
        }
    }
    return listing;
}

ShowFileListing ListShowFiles()
{
    return listShowFilesIn(globalSettings().slideshowPath, globalSettings().activeCss);
}

} // namespace qv
