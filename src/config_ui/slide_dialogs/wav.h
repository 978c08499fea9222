#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QPushButton;

namespace qv {

class FXSnd;
class FileBrowser;
class PathLabel;

// Chooses the sound that starts with the slide being edited; a click on a file plays it.
class wav : public QDialog {
    Q_OBJECT

public:
    explicit wav(QWidget* parent = nullptr);
    ~wav() override;
    static void openModal(QWidget* parent);

    FileBrowser* browser() const { return browser_; }
    // The player of the trial plays (nullptr until the first file click).
    FXSnd* player() const { return snd_; }

    void reject() override;  // Escape and the window's close button act as Cancel

protected:
    void showEvent(QShowEvent* event) override;

private:
    void File1_Click(const QString& fileName);
    void SSCommand1_Click(int index);
    void stopSound();
    void storeChoice(const QString& audio, bool loop);
    void closeDialog(DialogCode code);

    PathLabel* Label1;  // the slide's current sound
    FileBrowser* browser_;
    QCheckBox* Check1;  // copy to all
    QCheckBox* Check2;  // loop
    std::array<QPushButton*, 5> SSCommand1{};
    FXSnd* snd_ = nullptr;
    QString playedPath_;
    int slide_;
    bool placed_ = false;
    bool closing_ = false;
};

} // namespace qv
