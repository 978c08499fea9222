#pragma once

namespace qv {

// The editor's grid as its dialogs see it. The open editor registers itself; the
// dialogs call the free functions below, which do nothing while no editor is open
// (a dialog tested on its own, or the picture viewer opened by the random setup).
class EditorGrid {
public:
    virtual ~EditorGrid() = default;
    virtual void RefreshGrid() = 0;
    virtual void RefreshPictureColumn() = 0;      // also the position cells and the slide count
    virtual void RefreshDescriptionColumn() = 0;
    virtual void RefreshDelayColumn() = 0;
    virtual void RefreshEffectColumn() = 0;
    virtual void RefreshSpeedColumn() = 0;
    virtual void RefreshAudioColumn() = 0;
    virtual void RefreshLoopColumn() = 0;
    virtual void HighlightRow(int firstCell) = 0;
    virtual void UnhighlightRow(int firstCell) = 0;
    virtual void ConfigureScrollBar() = 0;
    virtual void UpdateButtonStates() = 0;
};

// The editor registers itself when it opens and passes nullptr when it closes.
void setOpenEditorGrid(EditorGrid* grid);
EditorGrid* openEditorGrid();

void RefreshGrid();
void RefreshPictureColumn();
void RefreshDescriptionColumn();
void RefreshDelayColumn();
void RefreshEffectColumn();
void RefreshSpeedColumn();
void RefreshAudioColumn();
void RefreshLoopColumn();
void HighlightRow(int firstCell);
void UnhighlightRow(int firstCell);
void ConfigureScrollBar();
void UpdateButtonStates();

} // namespace qv
