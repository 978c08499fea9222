#include "config_ui/editor/slide_grid_panel.h"

#include "components/platform/file_names.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/editor/create_sequence.h"
#include "showdata/custom_show.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>

namespace qv {
namespace {

// The dotted frame around the cell that Return opens.
class FocusMark final : public QWidget {
public:
    explicit FocusMark(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(QColor(255, 255, 255), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QStringList localFiles(const QMimeData* data)
{
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths << localPathOf(url);
    }
    return paths;
}

} // namespace

SlideGridPanel::SlideGridPanel(create_sequence* editor) : QFrame(editor), editor_(editor), mark_(new FocusMark(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setAccessibleName(QStringLiteral("Slides"));
    setAccessibleDescription(QStringLiteral(
        "Up and Down choose a slide, Left and Right a column, Return opens the column's dialog"));
}

void SlideGridPanel::markCell(QWidget* cell)
{
    markedCell_ = cell;
    placeMark();
}

void SlideGridPanel::placeMark()
{
    if (markedCell_ == nullptr) {
        mark_->hide();
        return;
    }
    mark_->setGeometry(markedCell_->geometry());
    mark_->raise();
    mark_->show();
    mark_->update();
}

int SlideGridPanel::rowAt(const QPoint& position) const
{
    for (int row = 0; row < gridRows; ++row) {
        const QRect first = editor_->cell(row * slideColumns)->geometry();
        if (position.y() >= first.top() && position.y() <= first.bottom())
            return row;
    }
    return -1;
}

void SlideGridPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        editor_->moveSelection(-1);
        break;
    case Qt::Key_Down:
        editor_->moveSelection(1);
        break;
    case Qt::Key_PageUp:
        editor_->moveSelection(-gridRows);
        break;
    case Qt::Key_PageDown:
        editor_->moveSelection(gridRows);
        break;
    case Qt::Key_Home:
        editor_->moveSelection(-0x7fff);
        break;
    case Qt::Key_End:
        editor_->moveSelection(0x7fff);
        break;
    case Qt::Key_Left:
        editor_->moveFocusColumn(-1);
        break;
    case Qt::Key_Right:
        editor_->moveFocusColumn(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (configUiState().highlightedRow >= 0)
            editor_->Label1_DblClick(configUiState().highlightedRow * slideColumns + editor_->focusColumn());
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SlideGridPanel::wheelEvent(QWheelEvent* event)
{
    QScrollBar* bar = editor_->scrollBar();
    if (!bar->isEnabled()) {
        event->ignore();
        return;
    }
    editor_->gridScrolling_ = true;
    QApplication::sendEvent(bar, event);
    editor_->gridScrolling_ = false;
}

void SlideGridPanel::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    if (editor_ != nullptr)
        editor_->showFocusCell();
}

void SlideGridPanel::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    if (editor_ != nullptr)
        editor_->showFocusCell();
}

void SlideGridPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    placeMark();
}

void SlideGridPanel::dragEnterEvent(QDragEnterEvent* event)
{
    const DroppedFiles files = sortDroppedFiles(localFiles(event->mimeData()));
    if (!files.pictures.isEmpty() || !files.sounds.isEmpty())
        event->acceptProposedAction();
}

void SlideGridPanel::dragMoveEvent(QDragMoveEvent* event)
{
    const DroppedFiles files = sortDroppedFiles(localFiles(event->mimeData()));
    const int row = rowAt(event->position().toPoint());
    const bool onSlide = row >= 0 && configUiState().topRow + row <= customShow().slideCount;
    if (!files.pictures.isEmpty() || (!files.sounds.isEmpty() && onSlide))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SlideGridPanel::dropEvent(QDropEvent* event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    editor_->dropFiles(paths, rowAt(event->position().toPoint()));
}

} // namespace qv
