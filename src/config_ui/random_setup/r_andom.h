#pragma once

#include "components/sound/fx_snd.h"

#include "showdata/random_show_config.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace qv {

class FileBrowser;

// "Random Slide Show Editor": the folders a random show takes its pictures and sounds from,
// whether their sub-folders count, the delay, sound looping and file names, with a test run
// on the edited settings before they are kept. Index 0 of each pair serves pictures, 1 sounds.
class r_andom : public QWidget {
    Q_OBJECT
public:
    explicit r_andom(QWidget* parent = nullptr);
    ~r_andom() override;

    // Opens the window without waiting; it clears `configUiState().editorOpen` when it closes,
    // however that happens.
    static r_andom* open();

    FileBrowser& browser(int index) const { return *browsers_[static_cast<std::size_t>(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Return presses "&Ok" (or the button that has the focus), Escape "&Cancel".
    void keyPressEvent(QKeyEvent* event) override;

private Q_SLOTS:
    void Check1_Click(int index);
    void SSCommand1_Click();
    void SSCommand2_Click();
    void SSCommand3_Click();
    void SSCommand4_Click();
    void SSCommand5_Click(int index);
    void SSCommand6_Click(int index);
    void SSCommand7_Click(int index);
    void SSCommand8_Click();
    void SSCommand9_Click();

private:
    void buildWindow();
    QWidget* buildSection(int index);
    QWidget* buildOptions();
    void Form_Load();
    void addFolder(int index, const QString& folder);
    void UpdateButtonStates();
    void stopPreviewSound();
    void takeSettingsFromWindow();
    void rememberBrowseFolders();
    void leave();
    // Before Escape or the close box leave: unsaved changes are saved, given up, or
    // the window stays (false).
    bool mayLeave();

    std::array<FileBrowser*, 2> browsers_{};
    std::array<QListWidget*, 2> List1{};
    std::array<QPushButton*, 2> SSCommand5{};
    std::array<QPushButton*, 2> SSCommand6{};
    std::array<QPushButton*, 2> SSCommand7{};
    std::array<QCheckBox*, 2> Check1{};
    std::array<QLabel*, 3> FXLabel1{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLabel* FXLabel11 = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* SSCheck1 = nullptr;
    QCheckBox* SSCheck2 = nullptr;
    QPushButton* SSCommand1 = nullptr;
    QPushButton* SSCommand2 = nullptr;
    QPushButton* SSCommand3 = nullptr;
    QPushButton* SSCommand4 = nullptr;
    QPushButton* SSCommand8 = nullptr;
    QPushButton* SSCommand9 = nullptr;
    QLabel* Label4 = nullptr;
    FXSnd FXSnd1;
    bool left_ = false;
    RandomShowConfig savedConfig_;  // as read at opening
};

} // namespace qv
