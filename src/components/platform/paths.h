#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The per-user folder of the program's own data files (shows, effect selection,
// random show configuration): $XDG_DATA_HOME/Quintavue/, created when missing.
// Ends in the separator.
QString userDataFolder();

// The read-only folder of installed resources (manual, sample media): the share
// folder of the installation, or the build tree's data folder when the program
// runs from where it was built. Ends in the separator.
QString resourceFolder();

// The folders that may hold the resources, in the order they are tried: the share
// folder beside the program's bin folder (an installation under any prefix), the
// build tree's copy when the program runs from inside that build tree, then the
// configured prefix. Each ends in the separator.
QStringList resourceFolderCandidates(const QString& programFolder, const QString& buildTree,
                                     const QString& buildResources, const QString& installedResources);

// The same for this program, as built and installed.
QStringList resourceFolderCandidates();

// The folder of the stock pictures and sounds that a new user's random show plays.
// Ends in the separator.
QString sampleMediaFolder();

// `path` with exactly one trailing separator.
QString withTrailingSeparator(const QString& path);

} // namespace qv
