#include "components/platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace qv {
namespace {

// Set by the build: where `cmake --install` puts the resources, and where the build
// tree keeps them for a program run from its build directory.
#ifndef QV_INSTALLED_RESOURCE_DIR
#define QV_INSTALLED_RESOURCE_DIR "/usr/local/share/quintavue"
#endif
#ifndef QV_BUILD_RESOURCE_DIR
#define QV_BUILD_RESOURCE_DIR ""
#endif

bool hasSampleMedia(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder + QStringLiteral("media")).isDir();
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

QString resourceFolder()
{
    // Beside the executable first (an installation under any prefix: bin/../share),
    // then the build tree, then the configured prefix.
    QStringList candidates;
    if (QCoreApplication::instance() != nullptr)
        candidates << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quintavue/");
    const QString buildTree = QStringLiteral(QV_BUILD_RESOURCE_DIR);
    if (!buildTree.isEmpty())
        candidates << withTrailingSeparator(buildTree);
    candidates << withTrailingSeparator(QStringLiteral(QV_INSTALLED_RESOURCE_DIR));
    for (const QString& candidate : std::as_const(candidates)) {
        if (hasSampleMedia(candidate))
            return withTrailingSeparator(QDir::cleanPath(candidate));
    }
    return withTrailingSeparator(QDir::cleanPath(candidates.constLast()));
}

QString sampleMediaFolder() { return resourceFolder() + QStringLiteral("media/"); }

} // namespace qv
