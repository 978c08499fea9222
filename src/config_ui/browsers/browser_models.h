#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QStringList>
#include <QStyledItemDelegate>

#include <vector>

namespace qv {

// What a folder holds for the browser: its visible sub-folders, sorted without regard to case.
struct FolderListing {
    bool readable = false;
    QStringList folders;
};

// Lists `folder`: not readable when it cannot be opened (gone, forbidden, a drive without its
// medium). Hidden entries are left out; links to folders count as folders.
FolderListing listFolder(const QString& folder);

// The visible plain files of `folder` (ending in "/") whose names match one of `nameFilters`
// ("*.jpg"...) without regard to case, sorted without regard to case. Names that are not
// UTF-8 come back by their real bytes (file_names.h).
QStringList listFiles(const QString& folder, const QStringList& nameFilters);

// Whether `name` matches the wildcard `filter` without regard to case.
bool matchesIgnoringCase(const QString& name, const QString& filter);

// The folder list: one row per level of the open folder's path from the root, then one per
// sub-folder, each a level deeper. Rows show names as a person reads them; the paths and
// names it hands out are the real ones.
class FolderListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int LevelRole = Qt::UserRole + 10;
    static constexpr int PathRole = Qt::UserRole + 11;
    static constexpr int NameRole = Qt::UserRole + 12;  // the real name of the row's folder

    explicit FolderListModel(QObject* parent);

    // `folder` ends in "/"; `subFolders` are its sub-folders' names.
    void setFolder(const QString& folder, const QStringList& subFolders);
    int openRow() const { return openRow_; }
    QString path(int row) const;     // ends in "/"
    int rowOf(const QString& path) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Row {
        QString label;
        QString path;
        int level;
    };
    std::vector<Row> rows_;
    int openRow_ = 0;
    QIcon openIcon_;
    QIcon closedIcon_;
};

// The file list: names only, shown as a person reads them; name() is the real one.
class FileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FileListModel(QObject* parent) : QAbstractListModel(parent) {}

    void setNames(QStringList names);
    const QStringList& names() const { return names_; }
    QString name(int row) const { return row >= 0 && row < names_.size() ? names_[row] : QString(); }
    bool contains(const QString& name) const { return !name.isEmpty() && names_.contains(name); }
    int rowOf(const QString& name) const { return static_cast<int>(names_.indexOf(name)); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QStringList names_;
};

// Draws each folder row indented by its level, so the path reads as a small tree.
class IndentingDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static int indentOf(const QStyleOptionViewItem& option, const QModelIndex& index);
};

} // namespace qv
