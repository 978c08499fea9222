#include "config_ui/common/editor_link.h"

namespace qv {
namespace {

EditorGrid* registeredGrid = nullptr;

template <typename Operation>
void onOpenGrid(Operation operation)
{
    if (registeredGrid != nullptr)
        operation(*registeredGrid);
}

} // namespace

void setOpenEditorGrid(EditorGrid* grid) { registeredGrid = grid; }
EditorGrid* openEditorGrid() { return registeredGrid; }

void RefreshGrid() { onOpenGrid([](EditorGrid& g) { g.RefreshGrid(); }); }
void RefreshPictureColumn() { onOpenGrid([](EditorGrid& g) { g.RefreshPictureColumn(); }); }
void RefreshDescriptionColumn() { onOpenGrid([](EditorGrid& g) { g.RefreshDescriptionColumn(); }); }
void RefreshDelayColumn() { onOpenGrid([](EditorGrid& g) { g.RefreshDelayColumn(); }); }
void RefreshEffectColumn() { onOpenGrid([](EditorGrid& g) { g.RefreshEffectColumn(); }); }
void RefreshSpeedColumn() { onOpenGrid([](EditorGrid& g) { g.RefreshSpeedColumn(); }); }
void RefreshAudioColumn() { onOpenGrid([](EditorGrid& g) { g.RefreshAudioColumn(); }); }
void RefreshLoopColumn() { onOpenGrid([](EditorGrid& g) { g.RefreshLoopColumn(); }); }
void HighlightRow(int firstCell) { onOpenGrid([firstCell](EditorGrid& g) { g.HighlightRow(firstCell); }); }
void UnhighlightRow(int firstCell) { onOpenGrid([firstCell](EditorGrid& g) { g.UnhighlightRow(firstCell); }); }
void ConfigureScrollBar() { onOpenGrid([](EditorGrid& g) { g.ConfigureScrollBar(); }); }
void UpdateButtonStates() { onOpenGrid([](EditorGrid& g) { g.UpdateButtonStates(); }); }

} // namespace qv
