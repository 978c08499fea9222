#include "config_ui/options/password.h"

#include "components/platform/foreign_windows.h"
#include "components/platform/message_box.h"
#include "config_ui/common/help.h"
#include "config_ui/common/accessible_names.h"
#include "config_ui/common/status_line.h"
#include "config_ui/options/dialog_flags.h"
#include "config_ui/common/window_placement.h"
#include "components/platform/keyboard_layout.h"
#include "config_ui/options/password_rules.h"
#include "settings/global_settings.h"
#include "startup/program_windows.h"
#include "startup/shared_routines.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace qv {

Password::Password(QWidget* parent) : QDialog(parent, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("Password"));
    setWindowTitle(QStringLiteral("Change Password"));

    auto* Label1 = new QLabel(QStringLiteral("Change password for Quintavue Screen Saver"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setBold(true);
    Label1->setFont(heading);

    auto* Label2 = new QLabel(QStringLiteral("&New Password:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    NewPassword = new QLineEdit(this);
    NewPassword->setObjectName(QStringLiteral("NewPassword"));
    auto* Label3 = new QLabel(QStringLiteral("&Confirm new password:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    NewPassword2 = new QLineEdit(this);
    NewPassword2->setObjectName(QStringLiteral("NewPassword2"));
    for (QLineEdit* entry : {NewPassword, NewPassword2}) {
        // Every character shows as "*", whatever the style's own mask character is.
        entry->setEchoMode(QLineEdit::Password);
        entry->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
        entry->setMinimumWidth(entry->fontMetrics().horizontalAdvance(QLatin1Char('*')) * (kMaxPasswordLength + 4));
    }
    Label2->setBuddy(NewPassword);
    Label3->setBuddy(NewPassword2);

    auto* OK = new QPushButton(QStringLiteral("&OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    auto* Cancel = new QPushButton(QStringLiteral("C&ancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));

    auto* entries = new QFormLayout;
    entries->addRow(Label2, NewPassword);
    entries->addRow(Label3, NewPassword2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OK);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(entries);
    layout->addLayout(buttons);
    auto* status = new QLabel(this);
    status->setObjectName(QStringLiteral("StatusLine"));
    status->setFrameShape(QFrame::StyledPanel);
    status->setFrameShadow(QFrame::Sunken);
    // The line explains; it never widens the dialog, so a long text wraps into the room
    // kept for two lines (the dialog does not jump as the focus moves).
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status->setWordWrap(true);
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status->setMinimumHeight(2 * status->fontMetrics().lineSpacing() + 2 * status->frameWidth() + 4);
    layout->addWidget(status);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setStatusText(NewPassword, QStringLiteral("Type the new password; letters are not case-sensitive"));
    setStatusText(NewPassword2, QStringLiteral("Type the new password once more"));
    setStatusText(OK, QStringLiteral("Click here to keep the new password"));
    setStatusText(Cancel, QStringLiteral("Click here to keep the password as it was"));
    installStatusLine(this, status);

    connect(OK, &QPushButton::clicked, this, &Password::OK_Click);
    connect(Cancel, &QPushButton::clicked, this, &Password::Cancel_Click);
    nameControlsForAccessibility(this);
    bindHelpKey(this, QStringLiteral("Password"));
    Form_Load();
}

void Password::openModal(QWidget* parent)
{
    Password dialog(parent);
    dialog.exec();
}

void Password::openForHost(std::uint32_t hostWindow)
{
    auto* dialog = new Password;
    registerProgramWindow(dialog);
    connect(dialog, &QDialog::finished, dialog, [dialog] { retireProgramWindow(dialog); });
    if (hostWindow != 0 && foreignWindowExists(hostWindow)) {
        dialog->winId();
        if (QWindow* host = QWindow::fromWinId(hostWindow)) {
            connect(dialog, &QObject::destroyed, host, &QObject::deleteLater);
            dialog->windowHandle()->setTransientParent(host);
        }
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Password::Form_Load()
{
    adjustSize();
    centre_on_screen(this);
    NewPassword->clear();
    NewPassword2->clear();
    NewPassword->setFocus();
}

void Password::OK_Click()
{
    const PasswordOutcome outcome = judgeNewPassword(NewPassword->text(), NewPassword2->text(), KeyboardLayout::current());
    NewPassword->setText(outcome.normalised);
    NewPassword2->setText(outcome.normalised2);
    if (const std::optional<Message> refusal = refusalMessage(outcome)) {
        showMessage(*refusal);
        NewPassword->setFocus();
        NewPassword->selectAll();
        return;
    }
    setScreenSaverPassword(outcome.normalised);
    let_events_run();
    // Reloading after a failed save would drop the new password from memory as well:
    // the dialog stays open with it, so the user can retry.
    if (save_settings() != 0)
        return;
    let_events_run();
    load_settings();
    let_events_run();
    accept();
}

void Password::Cancel_Click() { reject(); }

} // namespace qv
