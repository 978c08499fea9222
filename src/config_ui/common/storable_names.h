#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// A show file puts every name between double quotes with no way to escape one, so a
// file whose path holds a double quote (legal on Linux) would read back cut short:
// such a file is refused where it enters, never written.
bool storableInShowFile(const QString& path);

// The paths of `paths` a show file can hold; the others are named in one message that
// says why they were left out.
QStringList keepStorableNames(const QStringList& paths);

} // namespace qv
