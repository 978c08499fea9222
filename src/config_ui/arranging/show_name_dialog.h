#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qv {

// The show files of the data folder as the load, save and delete dialogs list them.
// Clicking a file (or moving to it with the arrow keys) chooses it.
class ShowFileList final : public QObject {
    Q_OBJECT
public:
    explicit ShowFileList(QWidget* dialog);

    QListWidget* list() const { return File1_; }
    // The folder followed by "*.css".
    QLabel* pathLabel() const { return pathLabel_; }
    QString folder() const { return folder_; }
    // The real name of the chosen file; the list shows names readably (file_names.h).
    QString chosenFileName() const;

Q_SIGNALS:
    void fileChosen(const QString& fileName);
    void fileDoubleClicked(const QString& fileName);

private:
    QString folder_;
    QListWidget* File1_;
    QLabel* pathLabel_;
};

// The load and save dialogs: the show files, and an entry for the name of the show
// that OK loads or saves. Only letters and digits can be typed; OK can be pressed
// (also with Return) once the entry holds a name.
class ShowNameDialog : public QDialog {
    Q_OBJECT
public:
    ShowNameDialog(QWidget* parent, const QString& objectName, const QString& caption, const QString& prompt);
    ~ShowNameDialog() override;

    // Escape and the window's close button act as Cancel.
    void reject() override;

protected:
    virtual void SSCommand1_Click() = 0;  // OK
    virtual void SSCommand2_Click() = 0;  // Cancel
    // The name typed, or the real name of the show picked in the list while the entry
    // still shows it.
    QString enteredName() const;
    ShowFileList* files() const { return files_; }
    void closeDialog(bool accepted);

private:
    void Text1_Change();

    ShowFileList* files_;
    QLineEdit* Text1_;
    QString pickedName_;   // the show picked last, by its real name
    QString pickedShown_;  // and as the entry shows it
    QPushButton* SSCommand1_;
    QPushButton* SSCommand2_;
};

} // namespace qv
