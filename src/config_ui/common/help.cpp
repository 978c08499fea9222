#include "config_ui/common/help.h"

#include "components/platform/paths.h"
#include "config_ui/common/help_viewer.h"
#include "config_ui/common/window_placement.h"
#include "settings/global_settings.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>

#include <utility>

namespace qv {
namespace {

std::function<void(const QString&)>& replacementOpener()
{
    static std::function<void(const QString&)> opener;
    return opener;
}

QPointer<HelpViewer>& currentViewer()
{
    static QPointer<HelpViewer> viewer;
    return viewer;
}

// A viewer that belongs to the modal dialog the user is in, if any: a window of its
// own would be blocked by that dialog and could not be read or scrolled.
HelpViewer* viewerFor(QWidget* modal)
{
    QPointer<HelpViewer>& viewer = currentViewer();
    HelpViewer* existing = viewer.data();
    if (existing != nullptr && existing->parentWidget() == modal)
        return existing;
    if (existing != nullptr)
        existing->close();  // deletes itself; a new one belongs to the dialog now in front
    auto* fresh = new HelpViewer(modal);  // owned by the dialog, or deletes itself on close
    viewer = fresh;
    return fresh;
}

} // namespace

void setHelpOpener(std::function<void(const QString&)> opener) { replacementOpener() = std::move(opener); }

QString manualPath()
{
    const QString own = withTrailingSeparator(globalSettings().slideshowPath) + QStringLiteral("qvmanual.hlp");
    if (!globalSettings().slideshowPath.isEmpty() && QFileInfo(own).isFile())
        return own;
    return resourceFolder() + QStringLiteral("manual/qvmanual.html");
}

QString helpAnchor(const QString& keyword)
{
    QString anchor = keyword.trimmed().toLower();
    anchor.replace(QLatin1Char(' '), QLatin1Char('-'));
    return anchor;
}

void open_help(const QString& keyword)
{
    if (replacementOpener()) {
        replacementOpener()(keyword);
        return;
    }
    QWidget* explained = QApplication::activeWindow();
    HelpViewer* viewer = viewerFor(QApplication::activeModalWidget());
    viewer->showSection(manualPath(), helpAnchor(keyword));
    // Beside the window it explains, so the user reads and works side by side; the
    // viewer in front keeps the place the user gave it.
    if (explained != nullptr && explained != viewer && !viewer->isVisible())
        place_beside(viewer, explained);
    else if (!viewer->isVisible())
        centre_on_screen(viewer);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void bindHelpKey(QWidget* window, const QString& keyword)
{
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [keyword] { open_help(keyword); });
}

} // namespace qv
