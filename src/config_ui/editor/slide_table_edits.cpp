#include "config_ui/editor/slide_table_edits.h"

#include "components/platform/file_names.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/editor_link.h"
#include "showdata/directory_listing.h"
#include "showdata/effect_catalogue.h"
#include "showdata/file_discovery.h"

#include <QFileInfo>

#include <algorithm>

namespace qv {
namespace {

std::size_t at(int position) { return static_cast<std::size_t>(position); }

QString shortened(const QString& path, int keep) { return QStringLiteral("..") + path.right(keep); }

std::int16_t narrow(int value) { return static_cast<std::int16_t>(std::clamp(value, -32768, 32767)); }

} // namespace

QString sheetPathText(const QString& path)
{
    const QString shown = displayFileName(path);
    return shown.size() > 18 ? shortened(shown, 16) : shown;
}

QString effectNameText(int effect)
{
    if (effect < 0 || effect >= effectTableSize)
        return QString::number(effect);
    return effectCatalogue().effectName[at(effect)];
}

QString slideCellText(const CustomShow& show, int slide, int column)
{
    if (slide < 1 || slide > show.slideCount)
        return {};
    const std::size_t n = at(slide);
    switch (column) {
    case PictureColumn:
        return displayFileName(show.picture[n]);
    case DescriptionColumn:
        return show.description[n];
    case DelayColumn:
        return QString::number(show.delay[n]);
    case EffectColumn:
        return effectNameText(show.effect[n]);
    case SpeedColumn:
        return QString::number(show.effectSpeed[n]);
    case AudioColumn:
        return displayFileName(show.audio[n]);
    case LoopColumn:
        return show.audioLoop[n] == 1 ? QStringLiteral("Yes") : QStringLiteral("No");
    default:
        return {};
    }
}

void selectRowOfCell(int cell, const CustomShow& show, ConfigUiState& state, EditorGrid& grid)
{
    if (show.slideCount == 0 || cell < 0 || cell >= slideCells)
        return;
    const int row = cell / slideColumns;
    if (state.topRow + row > show.slideCount)
        return;
    if (state.highlightedRow > -1)
        grid.UnhighlightRow(state.highlightedRow * slideColumns);
    state.selectedRow = narrow(row);
    grid.HighlightRow(row * slideColumns);
    state.highlightedRow = narrow(row);
    state.currentSlide = narrow(state.topRow + row);
}

void deleteCurrentSlide(CustomShow& show, ConfigUiState& state, EditorGrid& grid)
{
    const int current = state.currentSlide;
    if (show.slideCount < 1 || current < 1 || current > show.slideCount)
        return;
    if (current < show.slideCount) {
        for (int k = current + 1; k <= show.slideCount; ++k)
            show.setSlide(k - 1, show.slide(k));
    } else {
        // The last slide's position goes with the shorter table, so there is nothing
        // to clear; only the selection may have to move up.
        if (show.slideCount < gridRows + 1) {
            grid.UnhighlightRow(state.selectedRow * slideColumns);
            --state.selectedRow;
            --state.currentSlide;
            state.highlightedRow = state.selectedRow;
            if (state.highlightedRow > -1)
                grid.HighlightRow(state.selectedRow * slideColumns);
        }
    }
    show.resizeSlides(show.slideCount - 1);
    if (show.slideCount == 0) {
        grid.UnhighlightRow(0);
        state.editorState = 0;
        state.selectedRow = 0;
        state.topRow = 1;
        state.highlightedRow = -9;
        state.currentSlide = 0;
    }
    grid.ConfigureScrollBar();
    grid.UpdateButtonStates();
    grid.RefreshGrid();
}

void resetShow(CustomShow& show, ConfigUiState& state, EditorGrid& grid)
{
    grid.UnhighlightRow(state.selectedRow * slideColumns);
    state.editorState = 0;
    state.selectedRow = 0;
    state.topRow = 1;
    state.highlightedRow = -9;
    state.currentSlide = 0;
    show = CustomShow{};
}

void toggleLoop(CustomShow& show, const ConfigUiState& state)
{
    const int current = state.currentSlide;
    if (current < 1 || current > show.slideCount)
        return;
    std::int16_t& loop = show.audioLoop[at(current)];
    loop = loop == 0 ? 1 : 0;
}

void selectFirstAddedSlide(ConfigUiState& state, EditorGrid& grid)
{
    if (state.editorState != 1)
        return;
    state.editorState = 2;
    state.topRow = 1;
    state.selectedRow = 0;
    state.highlightedRow = 0;
    state.currentSlide = 1;
    grid.HighlightRow(0);
}

GridMove moveWithinShow(int slideCount, int topRow, int currentSlide, int step)
{
    if (slideCount < 1)
        return {0, 1};
    GridMove move;
    move.slide = std::clamp(currentSlide + step, 1, slideCount);
    const int lastTop = std::max(1, slideCount - (gridRows - 1));
    move.topRow = std::clamp(topRow, 1, lastTop);
    if (move.slide < move.topRow)
        move.topRow = move.slide;
    else if (move.slide > move.topRow + gridRows - 1)
        move.topRow = move.slide - (gridRows - 1);
    return move;
}

DroppedFiles sortDroppedFiles(const QStringList& paths)
{
    // The browsers' own patterns: whatever Add offers, a drop takes.
    const auto matches = [](const QString& path, MediaKind kind) {
        const QByteArray name = encodeFileName(QFileInfo(path).fileName());
        const auto extensions = patternExtensions(kind);
        return std::any_of(extensions.begin(), extensions.end(), [&](std::string_view extension) {
            return hasExtensionIgnoringCase(std::string_view(name.constData(), std::size_t(name.size())), extension);
        });
    };
    DroppedFiles files;
    for (const QString& path : paths) {
        if (!isPlainFile(path))
            continue;
        if (matches(path, MediaKind::Picture))
            files.pictures << path;
        else if (matches(path, MediaKind::Audio))
            files.sounds << path;
    }
    return files;
}

int appendPictureSlides(CustomShow& show, ConfigUiState& state, const QStringList& pictures, int delay,
                        int effectSpeed)
{
    for (const QString& picture : pictures) {
        AppendSlide(show);
        SlideRecord slide;
        slide.picture = picture;
        slide.delay = narrow(delay);
        slide.effectSpeed = narrow(effectSpeed);
        show.setSlide(show.slideCount, slide);
    }
    if (!pictures.isEmpty() && state.editorState == 0)
        state.editorState = 1;
    return static_cast<int>(pictures.size());
}

} // namespace qv
