#include "components/platform/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

#include <cstdio>

namespace qv {
namespace {

QMessageBox::StandardButtons standardButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonFor(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    case MessageAnswer::Retry: return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerFor(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    default: return MessageAnswer::Ok;
    }
}

// A short text makes a narrow box, and the window manager then cuts its title
// ("Delet…show"): the box is made wide enough for the title and the title bar's
// buttons.
void keepTitleWhole(QMessageBox& box, const QString& title)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int width = metrics.horizontalAdvance(title) + 8 * metrics.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

class MessageBoxPresenter final : public MessagePresenter {
public:
    MessageAnswer present(const Message& message) override
    {
        const QString title = message.title.isEmpty() ? programTitle() : message.title;
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
            // No widgets (a command-line tool): the text still reaches the user.
            std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(message.text));
            return MessageAnswer::Ok;
        }
        QMessageBox box(boxIcon(message.icon), title, message.text, standardButtons(message.buttons));
        box.setWindowModality(Qt::ApplicationModal);
        keepTitleWhole(box, title);
        if (const QMessageBox::StandardButton wanted = buttonFor(message.defaultAnswer);
            box.standardButtons().testFlag(wanted))
            box.setDefaultButton(wanted);
        return answerFor(box.exec());
    }
};

MessagePresenter* installedPresenter = nullptr;

} // namespace

void setMessagePresenter(MessagePresenter* presenter) { installedPresenter = presenter; }

MessageAnswer showMessage(const Message& message)
{
    static MessageBoxPresenter boxes;
    MessagePresenter& presenter = installedPresenter != nullptr ? *installedPresenter : boxes;
    return presenter.present(message);
}

MessageAnswer showMessage(const QString& text, MessageButtons buttons, MessageIcon icon)
{
    return showMessage(Message{text, QString(), buttons, icon});
}

QString programTitle() { return QStringLiteral("Quintavue"); }

} // namespace qv
