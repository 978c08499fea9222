#include "components/platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qv {
namespace {

// Set by the build: where `cmake --install` puts the resources, the build tree, and
// where the build tree keeps them for a program run from its build directory.
#ifndef QV_INSTALLED_RESOURCE_DIR
#define QV_INSTALLED_RESOURCE_DIR "/usr/local/share/quintavue"
#endif
#ifndef QV_BUILD_TREE
#define QV_BUILD_TREE ""
#endif
#ifndef QV_BUILD_RESOURCE_DIR
#define QV_BUILD_RESOURCE_DIR ""
#endif

bool hasSampleMedia(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder + QStringLiteral("media")).isDir();
}

bool isInside(const QString& folder, const QString& root)
{
    const QString cleanRoot = QDir::cleanPath(root);
    const QString cleanFolder = QDir::cleanPath(folder);
    return cleanFolder == cleanRoot || cleanFolder.startsWith(withTrailingSeparator(cleanRoot));
}

// Also before the application object exists (tests without one, early start-up).
QString programFolder()
{
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

} // namespace

QString withTrailingSeparator(const QString& path)
{
    if (path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString userDataFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = withTrailingSeparator(base) + QStringLiteral("Quintavue/");
    QDir().mkpath(folder);
    return folder;
}

QStringList resourceFolderCandidates(const QString& programFolder, const QString& buildTree,
                                     const QString& buildResources, const QString& installedResources)
{
    QStringList candidates;
    if (!programFolder.isEmpty())
        candidates << withTrailingSeparator(QDir::cleanPath(programFolder + QStringLiteral("/../share/quintavue")));
    // An installed program must never pick up files from the tree it was built in.
    if (!programFolder.isEmpty() && !buildTree.isEmpty() && !buildResources.isEmpty()) {
        const QString realBuildTree = QFileInfo(buildTree).canonicalFilePath();
        if (isInside(programFolder, buildTree) || (!realBuildTree.isEmpty() && isInside(programFolder, realBuildTree)))
            candidates << withTrailingSeparator(buildResources);
    }
    candidates << withTrailingSeparator(installedResources);
    return candidates;
}

QStringList resourceFolderCandidates()
{
    return resourceFolderCandidates(programFolder(), QStringLiteral(QV_BUILD_TREE), QStringLiteral(QV_BUILD_RESOURCE_DIR),
                                    QStringLiteral(QV_INSTALLED_RESOURCE_DIR));
}

QString resourceFolder()
{
    const QStringList candidates = resourceFolderCandidates();
    for (const QString& candidate : candidates) {
        if (hasSampleMedia(candidate))
            return withTrailingSeparator(QDir::cleanPath(candidate));
    }
    return withTrailingSeparator(QDir::cleanPath(candidates.constLast()));
}

QString sampleMediaFolder() { return resourceFolder() + QStringLiteral("media/"); }

} // namespace qv
