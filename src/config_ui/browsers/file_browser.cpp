#include "config_ui/browsers/file_browser.h"

#include "components/platform/file_names.h"
#include "config_ui/browsers/browser_models.h"
#include "showdata/file_discovery.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QMimeData>
#include <QStorageInfo>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstring>

namespace qv {
namespace {

constexpr int RootPathRole = Qt::UserRole + 1;

// A drive list that looks for newly mounted media each time it opens.
class DriveComboBox : public QComboBox {
public:
    explicit DriveComboBox(QWidget* parent) : QComboBox(parent)
    {
        // A volume with a long name must not widen the dialog; the open list shows it whole.
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        setMinimumContentsLength(12);
        fill();
    }

    void fill()
    {
        const QString current = currentData(RootPathRole).toString();
        const QSignalBlocker quiet(this);
        clear();
        for (const DriveEntry& drive : browsableDrives())
            addItem(drive.label, drive.rootPath);
        setCurrentIndex(std::max(0, findData(current, RootPathRole)));
        view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth());
    }

    // The entry whose folder holds `folder` most closely.
    void selectFor(const QString& folder)
    {
        int best = -1;
        qsizetype bestLength = -1;
        for (int i = 0; i < count(); ++i) {
            const QString root = itemData(i, RootPathRole).toString();
            if (folder.startsWith(root) && root.size() > bestLength) {
                best = i;
                bestLength = root.size();
            }
        }
        const QSignalBlocker quiet(this);
        setCurrentIndex(best);
    }

    void showPopup() override
    {
        fill();
        QComboBox::showPopup();
    }
};

QString withSlash(const QString& path) { return path.endsWith(u'/') ? path : path + u'/'; }

bool hasLocalUrls(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

} // namespace

FileBrowser::FileBrowser(QWidget* parent, const QString& pattern, const QString& driveName,
                         const QString& folderName, const QString& fileName, bool multipleFiles)
    : QObject(parent),
      drives_(new DriveComboBox(parent)),
      folders_(new QListView(parent)),
      files_(new QListView(parent)),
      folderModel_(new FolderListModel(this)),
      fileModel_(new FileListModel(this)),
      nameFilters_(nameFiltersOf(pattern)),
      watcher_(new QFileSystemWatcher(this)),
      changeDelay_(new QTimer(this))
{
    changeDelay_->setSingleShot(true);
    changeDelay_->setInterval(300);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, changeDelay_, qOverload<>(&QTimer::start));
    connect(changeDelay_, &QTimer::timeout, this, &FileBrowser::refresh);

    drives_->setObjectName(driveName);
    folders_->setObjectName(folderName);
    files_->setObjectName(fileName);

    folders_->setModel(folderModel_);
    folders_->setItemDelegate(new IndentingDelegate(folders_));
    folders_->setSelectionMode(QAbstractItemView::SingleSelection);
    folders_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    folders_->setUniformItemSizes(true);

    files_->setModel(fileModel_);
    files_->setSelectionMode(multipleFiles ? QAbstractItemView::ExtendedSelection
                                           : QAbstractItemView::SingleSelection);
    files_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    files_->setUniformItemSizes(true);
    // Long names are cut short in the list and shown whole in their tool tips.
    for (QListView* list : {folders_, files_})
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    for (QWidget* widget : {static_cast<QWidget*>(drives_), folders_->viewport(), files_->viewport()}) {
        widget->setAcceptDrops(true);
        widget->installEventFilter(this);
    }
    folders_->installEventFilter(this);
    files_->installEventFilter(this);

    connect(drives_, &QComboBox::activated, this, &FileBrowser::chooseDrive);
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid())
                    highlightRow(index.row());
            });
    connect(folders_, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { openFolderAt(index.row()); });
    // A mouse click reports the file it hits even when it is already the current one; the
    // keyboard reports each file it moves to.
    connect(files_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (!index.isValid())
                    return;
                lastFileName_ = fileModel_->name(index.row());
                if (!mousePressed_)
                    Q_EMIT fileClicked(lastFileName_);
            });
    connect(files_, &QListView::clicked, this, [this](const QModelIndex& index) {
        lastFileName_ = fileModel_->name(index.row());
        Q_EMIT fileClicked(lastFileName_);
    });
    connect(files_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        lastFileName_ = fileModel_->name(index.row());
        Q_EMIT fileDoubleClicked(lastFileName_);
    });
}

FileBrowser::~FileBrowser() = default;

QComboBox* FileBrowser::driveList() const { return drives_; }
QListView* FileBrowser::folderList() const { return folders_; }
QListView* FileBrowser::fileList() const { return files_; }
QString FileBrowser::folder() const { return filesFolder_; }
QString FileBrowser::openFolder() const { return openFolder_; }

QString FileBrowser::highlightedFolder() const
{
    const QModelIndex current = folders_->currentIndex();
    return current.isValid() ? folderModel_->path(current.row()) : openFolder_;
}

QString FileBrowser::currentFileName() const
{
    const QModelIndex current = files_->currentIndex();
    if (current.isValid())
        return fileModel_->name(current.row());
    return fileModel_->contains(lastFileName_) ? lastFileName_ : QString();
}

QStringList FileBrowser::selectedFileNames() const
{
    QModelIndexList rows = files_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList names;
    names.reserve(rows.size());
    for (const QModelIndex& index : rows)
        names.append(fileModel_->name(index.row()));
    return names;
}

QStringList FileBrowser::allFileNames() const { return fileModel_->names(); }

QString FileBrowser::pathOf(const QString& fileName) const { return filesFolder_ + fileName; }

void FileBrowser::setFolder(const QString& folder)
{
    // An unreadable place (a drive without its medium, a folder gone or forbidden) takes the
    // browser back to its fallback folder; without one it stays where it was, or as close
    // above it as can still be read; a browser with nowhere yet goes home, or to the root.
    QStringList candidates{folder.isEmpty() ? QDir::homePath() : QDir::cleanPath(QDir(folder).absolutePath())};
    if (!fallbackFolder_.isEmpty())
        candidates.append(QDir::cleanPath(fallbackFolder_));
    for (QString up = QDir::cleanPath(openFolder_); !openFolder_.isEmpty(); up = QFileInfo(up).path()) {
        candidates.append(up);
        if (up == QLatin1String("/"))
            break;
    }
    candidates << QDir::homePath() << QStringLiteral("/");
    QString wanted;
    FolderListing listing;
    for (const QString& candidate : candidates) {
        listing = listFolder(candidate);
        wanted = candidate;
        if (listing.readable)
            break;
    }
    openFolder_ = withSlash(wanted);
    folderModel_->setFolder(openFolder_, listing.folders);
    static_cast<DriveComboBox*>(drives_)->selectFor(openFolder_);
    const QModelIndex openRow = folderModel_->index(folderModel_->openRow());
    {
        const QSignalBlocker quiet(folders_->selectionModel());
        folders_->selectionModel()->setCurrentIndex(openRow, QItemSelectionModel::ClearAndSelect);
    }
    folders_->scrollTo(openRow);
    showFiles(openFolder_);
}

void FileBrowser::refresh()
{
    const QString highlighted = highlightedFolder();
    if (!listFolder(openFolder_).readable) {
        setFolder(openFolder_);  // gone: to the nearest folder above it
        return;
    }
    // The folder rows only when the open folder's sub-folders changed, so that the list keeps
    // its place; then the files, keeping the selection.
    const FolderListing listing = listFolder(openFolder_);
    const int openRow = folderModel_->openRow();
    QStringList shown;
    for (int row = openRow + 1; row < folderModel_->rowCount(); ++row)
        shown << folderModel_->index(row).data(FolderListModel::NameRole).toString();
    if (shown != listing.folders) {
        const int scroll = folders_->verticalScrollBar()->value();
        folderModel_->setFolder(openFolder_, listing.folders);
        const int row = std::max(folderModel_->rowOf(highlighted), folderModel_->openRow());
        const QSignalBlocker quiet(folders_->selectionModel());
        folders_->selectionModel()->setCurrentIndex(folderModel_->index(row), QItemSelectionModel::ClearAndSelect);
        folders_->verticalScrollBar()->setValue(scroll);
        if (folderModel_->path(row) != filesFolder_) {
            showFiles(folderModel_->path(row));
            return;
        }
    }
    refreshFiles();
}

void FileBrowser::refreshFiles()
{
    const QStringList selected = selectedFileNames();
    const QString current = files_->currentIndex().isValid() ? fileModel_->name(files_->currentIndex().row()) : QString();
    const int scroll = files_->verticalScrollBar()->value();
    const QStringList names = listFiles(filesFolder_, nameFilters_);
    if (names == fileModel_->names())
        return;
    const QString clicked = lastFileName_;
    {
        const QSignalBlocker quiet(files_->selectionModel());
        fileModel_->setNames(names);
        for (const QString& name : selected) {
            const int row = fileModel_->rowOf(name);
            if (row >= 0)
                files_->selectionModel()->select(fileModel_->index(row), QItemSelectionModel::Select);
        }
        const int currentRow = fileModel_->rowOf(current);
        if (currentRow >= 0)
            files_->selectionModel()->setCurrentIndex(fileModel_->index(currentRow), QItemSelectionModel::NoUpdate);
    }
    lastFileName_ = fileModel_->contains(clicked) ? clicked : QString();
    files_->verticalScrollBar()->setValue(scroll);
}

void FileBrowser::watchShownFolders()
{
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    QStringList folders{openFolder_};
    if (filesFolder_ != openFolder_ && !filesFolder_.isEmpty())
        folders << filesFolder_;
    for (const QString& folder : folders) {
        // Qt's watcher takes no name that is not UTF-8: such a folder is listed again only
        // when the user moves in it.
        if (isFolder(folder) && !hasEscapedBytes(folder))
            watcher_->addPath(folder);
    }
}

void FileBrowser::openFolderAt(int row)
{
    if (row >= 0 && row < folderModel_->rowCount())
        setFolder(folderModel_->path(row));
}

void FileBrowser::highlightRow(int row)
{
    if (row >= 0 && row < folderModel_->rowCount())
        showFiles(folderModel_->path(row));
}

void FileBrowser::showFiles(const QString& folder)
{
    const QString shown = withSlash(folder);
    fileModel_->setNames(listFiles(shown, nameFilters_));
    lastFileName_.clear();
    if (shown != filesFolder_) {
        filesFolder_ = shown;
        watchShownFolders();
        Q_EMIT folderChanged(filesFolder_);
    } else if (watcher_->directories().isEmpty() || !watcher_->directories().contains(openFolder_)) {
        watchShownFolders();
    }
}

void FileBrowser::chooseDrive(int index)
{
    const QString root = drives_->itemData(index, RootPathRole).toString();
    if (!root.isEmpty() && listFolder(root).readable)
        setFolder(root);
    else if (!fallbackFolder_.isEmpty())
        setFolder(fallbackFolder_);
    else
        static_cast<DriveComboBox*>(drives_)->selectFor(openFolder_);
}

void FileBrowser::setFallbackFolder(const QString& folder) { fallbackFolder_ = folder; }

bool FileBrowser::handleDrop(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    if (!hasLocalUrls(drop->mimeData()))
        return false;
    if (event->type() == QEvent::Drop) {
        QStringList paths;
        for (const QUrl& url : drop->mimeData()->urls()) {
            if (url.isLocalFile())
                paths.append(localPathOf(url));
        }
        Q_EMIT filesDropped(paths);
    }
    drop->acceptProposedAction();
    return true;
}

bool FileBrowser::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return handleDrop(event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched == files_->viewport())
            mousePressed_ = true;
        break;
    case QEvent::MouseButtonRelease:
        if (watched == files_->viewport())
            mousePressed_ = false;
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == folders_) {
            if (enter) {
                openFolderAt(folders_->currentIndex().row());
                return true;
            }
            if (key->key() == Qt::Key_Backspace) {
                setFolder(QFileInfo(QDir::cleanPath(openFolder_)).path());
                return true;
            }
        } else if (watched == files_ && enter && key->modifiers() == Qt::NoModifier) {
            const QModelIndex current = files_->currentIndex();
            if (current.isValid()) {
                lastFileName_ = fileModel_->name(current.row());
                Q_EMIT fileDoubleClicked(lastFileName_);
                return true;
            }
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

std::vector<DriveEntry> browsableDrives()
{
    std::vector<DriveEntry> drives;
    drives.push_back({QObject::tr("File system (/)"), QStringLiteral("/")});
    const QString home = withSlash(QDir::homePath());
    if (home != QLatin1String("/"))
        drives.push_back({QObject::tr("Home (%1)").arg(QDir::homePath()), home});

    std::vector<DriveEntry> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid())
            continue;
        const QString root = withSlash(volume.rootPath());
        if (root == QLatin1String("/") || root == home)
            continue;
        if (!isBrowsableVolume(volume.rootPath(), QString::fromUtf8(volume.fileSystemType()),
                               QString::fromUtf8(volume.device())))
            continue;
        if (!QFileInfo(volume.rootPath()).isDir())  // files bound over files in containers
            continue;
        if (std::any_of(volumes.begin(), volumes.end(), [&](const DriveEntry& e) { return e.rootPath == root; }))
            continue;
        QString name = volume.name();
        if (name.isEmpty())
            name = QFileInfo(volume.rootPath()).fileName();
        volumes.push_back({QStringLiteral("%1 (%2)").arg(name, volume.rootPath()), root});
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const DriveEntry& a, const DriveEntry& b) { return a.rootPath < b.rootPath; });
    drives.insert(drives.end(), volumes.begin(), volumes.end());
    return drives;
}

bool isBrowsableVolume(const QString& rootPath, const QString& fileSystemType, const QString& device)
{
    const QString root = withSlash(rootPath);
    for (const char* removable : {"/media/", "/run/media/", "/mnt/"}) {
        if (root.startsWith(QLatin1String(removable)) && root.size() > qsizetype(std::strlen(removable)))
            return true;
    }
    static const QStringList systemTypes = {
        "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "ramfs", "securityfs", "cgroup", "cgroup2",
        "pstore", "bpf", "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "autofs",
        "binfmt_misc", "efivarfs", "overlay", "squashfs", "nsfs", "rpc_pipefs", "selinuxfs", "devfs",
        "fuse.gvfsd-fuse", "fuse.portal", "fuse.snapfuse", "nfsd"};
    if (systemTypes.contains(fileSystemType))
        return false;
    for (const char* system : {"/proc/", "/sys/", "/dev/", "/run/", "/boot/", "/snap/", "/var/", "/tmp/", "/usr/", "/etc/"}) {
        if (root.startsWith(QLatin1String(system)))
            return false;
    }
    static const QStringList networkTypes = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "9p", "virtiofs"};
    return device.startsWith(QLatin1String("/dev/")) || networkTypes.contains(fileSystemType);
}

QStringList nameFiltersOf(const QString& pattern)
{
    QStringList filters;
    for (const QString& part : pattern.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            filters.append(trimmed);
    }
    return filters;
}

namespace {

QString patternOf(MediaKind kind)
{
    QStringList parts;
    for (const std::string_view extension : patternExtensions(kind))
        parts.append(QStringLiteral("*.") + QString::fromLatin1(extension.data(), static_cast<qsizetype>(extension.size())));
    return parts.join(u';');
}

} // namespace

// The browsers offer exactly what a random show would find.
QString picturePattern() { return patternOf(MediaKind::Picture); }
QString soundPattern() { return patternOf(MediaKind::Audio); }

} // namespace qv
