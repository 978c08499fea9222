#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The program compares file names without regard to case, as the file systems it
// was first written for do; these look-ups give a case-sensitive file system the
// same behaviour. Only plain files count: no folders, no hidden files (names
// beginning with ".").

// The names of the plain files in `folder` that equal `name` without regard to
// case, the exact spelling first.
QStringList namesMatchingIgnoringCase(const QString& folder, const QString& name);

// True when `directory` (ending in "/") holds a plain file whose name equals `name`
// without regard to case.
bool FileExistsIn(const QString& directory, const QString& name);

// The path of the file that `path` means: `path` itself when it exists or when no
// file in its folder differs from its name only in case, else that file's path. So
// writing "ZXZ2.CSS" replaces an existing "zxz2.css" instead of making a second file.
QString resolvePathIgnoringCase(const QString& path);

} // namespace qv
