#pragma once

#include "showdata/custom_show.h"

#include <QString>
#include <QStringList>

namespace qv {

struct ConfigUiState;
class EditorGrid;

// The editor's grid: ten rows of seven slide cells (cell = row * 7 + column), then
// the ten position cells.
inline constexpr int gridRows = 10;
inline constexpr int slideColumns = 7;
inline constexpr int slideCells = gridRows * slideColumns;
inline constexpr int firstPositionCell = slideCells;
inline constexpr int gridCells = slideCells + gridRows;

enum GridColumn : int {
    PictureColumn = 0,
    DescriptionColumn,
    DelayColumn,
    EffectColumn,
    SpeedColumn,
    AudioColumn,
    LoopColumn,
};

// A path as the data sheet prints it: whole up to 18 characters, else ".." and its
// last 16.
QString sheetPathText(const QString& path);
// The effect's name; a number outside the catalogue (a hand-edited file) as itself.
QString effectNameText(int effect);

// The whole text of one slide cell for slide `slide` (the cell shows what fits);
// empty beyond the last slide.
QString slideCellText(const CustomShow& show, int slide, int column);

// What the editor's commands do to the show and its selection. Painting goes
// through `grid`, so the window and the tests see the same calls.

// A click on slide cell `cell`: selects its row when the row holds a slide.
void selectRowOfCell(int cell, const CustomShow& show, ConfigUiState& state, EditorGrid& grid);

// Deletes `CurrentSlide`, moving the later slides up; deleting the last slide moves
// the selection up a row while the show fits on one page.
void deleteCurrentSlide(CustomShow& show, ConfigUiState& state, EditorGrid& grid);

// Empties the show and forgets its name.
void resetShow(CustomShow& show, ConfigUiState& state, EditorGrid& grid);

// Loop on when it was off (0), off otherwise.
void toggleLoop(CustomShow& show, const ConfigUiState& state);

// After slides were added to an empty show: selects the first slide.
void selectFirstAddedSlide(ConfigUiState& state, EditorGrid& grid);

// The slide the keyboard moves to from `CurrentSlide` by `step` slides (clamped to
// the show), and the top row that keeps it in view.
struct GridMove {
    int slide = 0;
    int topRow = 1;
};
GridMove moveWithinShow(int slideCount, int topRow, int currentSlide, int step);

// Files dropped on the grid, split by kind (pictures in the order given).
struct DroppedFiles {
    QStringList pictures;
    QStringList sounds;
};
DroppedFiles sortDroppedFiles(const QStringList& paths);

// Appends one slide per picture, with the defaults of the add-pictures dialog:
// `delay`, no effect at `effectSpeed`, no sound. On an empty show the editor state
// becomes 1, so the caller selects the first slide. Returns the number appended.
int appendPictureSlides(CustomShow& show, ConfigUiState& state, const QStringList& pictures,
                        int delay, int effectSpeed);

} // namespace qv
