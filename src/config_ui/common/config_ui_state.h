#pragma once

#include <QString>

#include <cstdint>

namespace qv {

// The program-wide state of the configuration windows: what the title screen, the
// editor, its dialogs and the random show setup hand to each other. Lives from
// start-up to the end of the process.
struct ConfigUiState {
    // Set while the editor or the random show setup is open; the title screen waits
    // for it to clear.
    bool editorOpen = false;                    // `EditorOpen`
    // The value of "ActiveCSS" to return to when the editor is cancelled.
    QString savedShowName = QStringLiteral("EMPTY");  // `SavedShowName`
    QString siteText;                           // `SiteText`: the title screen's optional line

    // The editor's grid and selection.
    std::int16_t topRow = 1;                    // `TopRow`: slide shown in the first grid row
    std::int16_t selectedRow = 0;               // `SelectedRow`: 0 to 9
    std::int16_t highlightedRow = 0;            // `HighlightedRow`: -1 and below mean none
    std::int16_t currentSlide = 0;              // `CurrentSlide`: 0 when the show is empty
    std::int16_t editorState = 0;               // `EditorState`: 0 empty, 1 first slides just added, 2 set up
    std::int16_t defaultDelay = 10;             // `DefaultDelay`
    std::int16_t dialogCancelled = 0;           // `DialogCancelled`
    // The show file the editor opened but could not read whole: a save over it asks
    // first, since the rest of the file would be lost. Empty when there is none.
    QString partlyReadShow;

    // The slide dialogs' remembered choices, for the rest of the run.
    std::int16_t descAutoPreview = 0;           // `DescAutoPreview`
    std::int16_t editDescAutoPreview = 0;       // `EditDescAutoPreview`
    std::int16_t replaceAutoPreview = 0;        // `ReplaceAutoPreview`
    std::int16_t addAutoPreview = 0;            // `AddAutoPreview`
    // The slides just added, walked through by the description dialog.
    std::int16_t newSlideFirst = 0;             // `NewSlideFirst`
    std::int16_t newSlideLast = 0;              // `NewSlideLast`
    std::int16_t newSlidePosition = 0;          // `NewSlidePosition`
    std::int16_t newSlideTotal = 0;             // `NewSlideTotal`

    // The effect chooser's copy of "random_speed_adjuster" until its Ok.
    std::int16_t speedAdjusterEdit = 1;         // `SpeedAdjusterEdit`
};

ConfigUiState& configUiState();

} // namespace qv
