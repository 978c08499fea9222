#pragma once

#include <QDialog>

#include <cstdint>

class QLineEdit;

namespace qv {

// "Change Password": sets the password the screen saver asks for before a show ends.
// Both entries are normalised to the unshifted keys that type them, so the password
// does not depend on Shift or Caps Lock.
class Password : public QDialog {
    Q_OBJECT
public:
    explicit Password(QWidget* parent = nullptr);

    // From the global options: returns when the dialog has closed.
    static void openModal(QWidget* parent);
    // For a desktop's screen-saver settings ("/a <window>"): opens without waiting,
    // over the host's window when it exists. The program ends when the dialog closes.
    static void openForHost(std::uint32_t hostWindow);

private:
    void Form_Load();
    void OK_Click();
    void Cancel_Click();

    QLineEdit* NewPassword = nullptr;
    QLineEdit* NewPassword2 = nullptr;
};

} // namespace qv
