#pragma once

#include "components/sound/fx_snd.h"
#include "config_ui/common/editor_link.h"
#include "config_ui/editor/slide_table_edits.h"
#include "showdata/custom_show.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

namespace qv {

class SlideGridPanel;

// The custom show editor: a ten-row grid over the show's slides and the buttons
// that change them, save them and try them out.
class create_sequence : public QWidget, public EditorGrid {
    Q_OBJECT

public:
    static constexpr int buttonCount = 25;

    explicit create_sequence(QWidget* parent = nullptr);
    ~create_sequence() override;

    // Opens the editor without waiting; the caller waits while "EditorOpen" is set.
    static void open();
    // The editor on screen, if any.
    static create_sequence* current();

    QLabel* cell(int index) const { return cells_.at(static_cast<std::size_t>(index)); }
    QPushButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    QScrollBar* scrollBar() const { return VScroll1; }
    // Whether row `row` is painted selected.
    bool rowHighlighted(int row) const { return highlighted_.at(static_cast<std::size_t>(row)); }
    // The column Return acts on (the one clicked or chosen with Left and Right last).
    int focusColumn() const { return focusColumn_; }

    // Adds dropped files: pictures as new slides at the end, a sound to the slide of
    // grid row `row` (-1: dropped outside the rows).
    void dropFiles(const QStringList& paths, int row);

    // The grid operations the dialogs reach through the editor link.
    void RefreshGrid() override;
    void RefreshPictureColumn() override;
    void RefreshDescriptionColumn() override;
    void RefreshDelayColumn() override;
    void RefreshEffectColumn() override;
    void RefreshSpeedColumn() override;
    void RefreshAudioColumn() override;
    void RefreshLoopColumn() override;
    void HighlightRow(int firstCell) override;
    void UnhighlightRow(int firstCell) override;
    void ConfigureScrollBar() override;
    void UpdateButtonStates() override;

    void Form_Load();

public slots:
    void SSCommand1_Click(int index);
    void Label1_Click(int index);
    void Label1_DblClick(int index);
    void VScroll1_Change(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class SlideGridPanel;

    void buildControls();
    QWidget* buildGrid();
    QWidget* buildButtons();
    void setColumnTexts(int column);
    void paintRow(int row, bool selected);
    void showFocusCell();
    void Form_Activate();
    void Label1_MouseMove(int index, int x);

    // The keyboard's grid moves.
    void moveSelection(int step);
    void moveFocusColumn(int step);
    void scrollTo(int topRow);

    // Button actions.
    void stopSound();
    void playCurrentSound();
    void printSheet();
    void deleteSlide();
    void resetSlides();
    void loadShow();
    void saveAndExit();
    // The save of Save & Exit: true when the show is saved.
    bool saveForExit();
    void cancel();
    void testRun();
    void previewSlide();
    void afterAdd();
    void runModal(int index, void (*opener)(QWidget*));
    void finish();
    // The show as last loaded or saved, to tell whether leaving loses changes.
    void rememberSavedState();
    // Before Escape or the close box leave: unsaved changes are saved, given up, or
    // the editor stays (false).
    bool mayLeave();

    std::array<QLabel*, gridCells> cells_{};
    std::array<QPushButton*, buttonCount> buttons_{};
    std::array<bool, gridRows> highlighted_{};
    QScrollBar* VScroll1 = nullptr;
    QLabel* FXLabel1 = nullptr;
    QLabel* FXLabel2 = nullptr;
    QLabel* FXLabel3 = nullptr;
    QLabel* Label2 = nullptr;
    SlideGridPanel* grid_ = nullptr;
    FXSnd FXSnd1;
    QStringList StatusTips;

    bool Loading = false;
    int lastPointerX = -1;
    int focusColumn_ = PictureColumn;
    // Set while the grid itself scrolls (keys, wheel), so the focus stays there.
    bool gridScrolling_ = false;
    bool activated_ = false;
    bool finished_ = false;
    CustomShow savedShow_;
};

} // namespace qv
