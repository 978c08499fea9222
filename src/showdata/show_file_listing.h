#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The custom shows the title screen offers.
struct ShowFileListing {
    QStringList names;       // file names without folder, in order of name without regard to case
    int selectedIndex = -1;  // the entry that is "ActiveCSS" (compared without case), or -1
};

// Lists the "*.css" files (any case) of `folder`; selects `activeName`'s entry.
ShowFileListing listShowFilesIn(const QString& folder, const QString& activeName);

// The same for "slideshow_path" and "ActiveCSS". A folder that cannot be read
// gives an empty listing.
ShowFileListing ListShowFiles();

} // namespace qv
