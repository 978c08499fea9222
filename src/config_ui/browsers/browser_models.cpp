#include "config_ui/browsers/browser_models.h"

#include "components/platform/file_names.h"

#include <QApplication>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace qv {
namespace {

bool lessIgnoringCase(const QString& a, const QString& b)
{
    const int order = QString::compare(a, b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

// The kind of a directory entry, asking the file system only when the listing does not say.
enum class Kind { Folder, File, Other };

Kind kindOf(const QByteArray& folder, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return Kind::Folder;
    if (entry->d_type == DT_REG)
        return Kind::File;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
        return Kind::Other;
    struct stat info {};
    if (::stat((folder + entry->d_name).constData(), &info) != 0)
        return Kind::Other;
    if (S_ISDIR(info.st_mode))
        return Kind::Folder;
    return S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

// Calls `visit(kind, name)` for each visible entry; false when the folder cannot be read.
template <typename Visit>
bool forEachEntry(const QString& folder, Visit visit)
{
    QByteArray encoded = encodeFileName(folder);
    if (!encoded.endsWith('/'))
        encoded.append('/');
    DIR* directory = ::opendir(encoded.constData());
    if (directory == nullptr)
        return false;
    while (const dirent* entry = ::readdir(directory)) {
        if (entry->d_name[0] == '.')  // ".", ".." and hidden entries
            continue;
        visit(kindOf(encoded, entry), entry->d_name);
    }
    ::closedir(directory);
    return true;
}

// A filter "*.ext" compiles to a suffix test; anything else to a wildcard expression.
struct CompiledFilter {
    QString suffix;                // ".ext" when the filter is that simple
    QRegularExpression wildcard;
};

std::vector<CompiledFilter> compile(const QStringList& nameFilters)
{
    std::vector<CompiledFilter> compiled;
    for (const QString& filter : nameFilters) {
        const QString rest = filter.mid(1);
        if (filter.startsWith(u'*') && !rest.contains(u'*') && !rest.contains(u'?') && !rest.contains(u'['))
            compiled.push_back({rest, {}});
        else
            compiled.push_back({QString(), QRegularExpression(QRegularExpression::wildcardToRegularExpression(filter),
                                                              QRegularExpression::CaseInsensitiveOption)});
    }
    return compiled;
}

bool matches(const QString& name, const std::vector<CompiledFilter>& filters)
{
    return std::any_of(filters.begin(), filters.end(), [&](const CompiledFilter& filter) {
        if (filter.wildcard.pattern().isEmpty())
            return name.endsWith(filter.suffix, Qt::CaseInsensitive);
        return filter.wildcard.match(name).hasMatch();
    });
}

} // namespace

FolderListing listFolder(const QString& folder)
{
    FolderListing listing;
    listing.readable = forEachEntry(folder, [&](Kind kind, const char* name) {
        if (kind == Kind::Folder)
            listing.folders.append(decodeFileName(name));
    });
    std::sort(listing.folders.begin(), listing.folders.end(), lessIgnoringCase);
    return listing;
}

QStringList listFiles(const QString& folder, const QStringList& nameFilters)
{
    const std::vector<CompiledFilter> filters = compile(nameFilters);
    QStringList names;
    forEachEntry(folder, [&](Kind kind, const char* rawName) {
        if (kind != Kind::File)
            return;
        QString name = decodeFileName(rawName);
        if (matches(name, filters))
            names.append(std::move(name));
    });
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

bool matchesIgnoringCase(const QString& name, const QString& filter) { return matches(name, compile({filter})); }

FolderListModel::FolderListModel(QObject* parent)
    : QAbstractListModel(parent),
      openIcon_(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon)),
      closedIcon_(QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon))
{
}

void FolderListModel::setFolder(const QString& folder, const QStringList& subFolders)
{
    beginResetModel();
    rows_.clear();
    rows_.push_back({QStringLiteral("/"), QStringLiteral("/"), 0});
    QString path = QStringLiteral("/");
    int level = 0;
    for (const QString& part : folder.split(u'/', Qt::SkipEmptyParts)) {
        path += part + u'/';
        rows_.push_back({part, path, ++level});
    }
    openRow_ = static_cast<int>(rows_.size()) - 1;
    rows_.reserve(rows_.size() + static_cast<std::size_t>(subFolders.size()));
    for (const QString& name : subFolders)
        rows_.push_back({name, path + name + u'/', level + 1});
    endResetModel();
}

QString FolderListModel::path(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].path : QString();
}

int FolderListModel::rowOf(const QString& path) const
{
    const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const Row& row) { return row.path == path; });
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

int FolderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return displayFileName(row.label);
    case NameRole:
        return row.label;
    case Qt::DecorationRole:
        return index.row() <= openRow_ ? openIcon_ : closedIcon_;
    case Qt::ToolTipRole:
        return displayFileName(row.path);
    case PathRole:
        return row.path;
    case LevelRole:
        return row.level;
    default:
        return {};
    }
}

void FileListModel::setNames(QStringList names)
{
    beginResetModel();
    names_ = std::move(names);
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return displayFileName(names_[index.row()]);
}

int IndentingDelegate::indentOf(const QStyleOptionViewItem& option, const QModelIndex& index)
{
    // Deep paths indent less per level, so that names keep at least half of a narrow list.
    const QAbstractItemModel* model = index.model();
    const int deepest = std::max(1, model->index(model->rowCount() - 1, 0).data(FolderListModel::LevelRole).toInt());
    const int width = option.widget != nullptr ? option.widget->width() : option.rect.width();
    const int step = std::min(option.fontMetrics.averageCharWidth() * 2, width / 2 / deepest);
    return index.data(FolderListModel::LevelRole).toInt() * std::max(step, 1);
}

void IndentingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem shifted(option);
    shifted.rect.setLeft(option.rect.left() + indentOf(option, index));
    QStyledItemDelegate::paint(painter, shifted, index);
}

QSize IndentingDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rwidth() += indentOf(option, index);
    return size;
}

} // namespace qv
