#pragma once

#include <QFrame>

namespace qv {

class create_sequence;

// The frame around the editor's cells: takes the keyboard focus for the grid, turns
// wheel turns into scroll-bar steps, marks the cell Return acts on and accepts
// files dropped from a file manager.
class SlideGridPanel : public QFrame {
    Q_OBJECT

public:
    explicit SlideGridPanel(create_sequence* editor);

    // Puts the focus mark on `cell` (nullptr: no mark).
    void markCell(QWidget* cell);
    // The grid row under `position` (panel coordinates), or -1.
    int rowAt(const QPoint& position) const;
    // The editor is going: closing its window moves the focus away from the grid
    // after the editor's own part is gone, and that focus change must not reach it.
    void forgetEditor() { editor_ = nullptr; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void placeMark();

    create_sequence* editor_;
    QWidget* mark_;
    QWidget* markedCell_ = nullptr;
};

} // namespace qv
