#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QComboBox;
class QFileSystemWatcher;
class QTimer;
class QListView;
class QWidget;

namespace qv {

class FolderListModel;
class FileListModel;

// The classic drive / folder / file lists of a dialog that browses for files. The dialog lays
// the three widgets out itself; the browser wires them together.
//
// The folder list shows the path from the root down to the open folder, then that folder's
// sub-folders. Double-click or Return opens a folder, Backspace opens its parent; moving the
// highlight (click or arrow keys) lists the highlighted folder's files without opening it.
class FileBrowser : public QObject {
    Q_OBJECT
public:
    // pattern: "*.gif;*.jpg;..." matched without regard to case. names: objectNames of the three
    // widgets, e.g. "Drive1", "Dir1", "File1" (or "Drive1_0" ... in control arrays).
    FileBrowser(QWidget* parent, const QString& pattern, const QString& driveName,
                const QString& folderName, const QString& fileName, bool multipleFiles = false);
    ~FileBrowser() override;

    QComboBox* driveList() const;     // root, home, mounted volumes
    QListView* folderList() const;    // path from the root, then the sub-folders of the current one
    QListView* fileList() const;      // files of the current folder matching the pattern
    void setFolder(const QString& folder);   // moves all three lists; see setFallbackFolder if unreadable
    // Where the lists go back to when the drive or folder the user picks cannot be read
    // (a drive without its medium, a folder gone or forbidden): the dialog's browse folder
    // of that kind. Without one they stay where they were, or as close above as can be read.
    void setFallbackFolder(const QString& folder);
    QString folder() const;                  // the folder the file list shows, ending in "/"
    QString highlightedFolder() const;       // the folder highlighted in the folder list
    QString currentFileName() const;         // the file clicked last / current ("" if none)
    QStringList selectedFileNames() const;   // in list order
    QStringList allFileNames() const;        // in list order
    QString pathOf(const QString& fileName) const;  // folder() + fileName

    // The folder opened in the folder list (ends in "/"); folder() differs from it while
    // another folder is only highlighted.
    QString openFolder() const;
    // Lists the folders and files again, keeping the highlight and the selected files. Runs by
    // itself shortly after the shown folders change on disk.
    void refresh();

Q_SIGNALS:
    // The folder the file list shows changed (opened or highlighted).
    void folderChanged(const QString& folder);
    void fileClicked(const QString& fileName);
    void fileDoubleClicked(const QString& fileName);
    // Local files or folders dropped onto any of the three lists.
    void filesDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openFolderAt(int row);
    void highlightRow(int row);
    void showFiles(const QString& folder);
    void selectDriveFor(const QString& folder);
    void chooseDrive(int index);
    bool handleDrop(QEvent* event);
    void refreshFiles();
    void watchShownFolders();

    QComboBox* drives_;
    QListView* folders_;
    QListView* files_;
    FolderListModel* folderModel_;
    FileListModel* fileModel_;
    QStringList nameFilters_;
    QString openFolder_;      // "" until the first folder opened
    QString fallbackFolder_;  // "" when the browser has none
    QString filesFolder_;     // what the file list shows
    QString lastFileName_;
    bool mousePressed_ = false;
    QFileSystemWatcher* watcher_;
    QTimer* changeDelay_;  // a copy of many files changes a folder many times: list once
};

// A place the drive list offers.
struct DriveEntry {
    QString label;     // what the list shows
    QString rootPath;  // ends in "/"
};

// The root, the home folder and the mounted volumes a user would browse, in that order.
std::vector<DriveEntry> browsableDrives();

// Whether a mounted file system is one a user browses: real devices and removable media,
// not the kernel's and the system's own (proc, sysfs, cgroup, tmpfs under /run ...).
bool isBrowsableVolume(const QString& rootPath, const QString& fileSystemType, const QString& device);

// "*.gif;*.JPG" -> {"*.gif", "*.JPG"}.
QStringList nameFiltersOf(const QString& pattern);

// The picture and sound patterns of the dialogs.
QString picturePattern();   // "*.gif;*.jpg;...;*.jpeg;*.tiff", the random show's picture patterns
QString soundPattern();     // "*.wav;*.mid"

} // namespace qv
