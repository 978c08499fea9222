#pragma once

#include <QString>

namespace qv {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

struct Message {
    QString text;
    QString title;  // empty: the program's title
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    // The button that Return presses; Ok (or Yes) when the buttons have no such answer.
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

// Shows a message and waits for the answer. The program shows modal message boxes;
// tests put a recorder in their place so that no window is needed.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer present(const Message& message) = 0;
};

// Installs a presenter for the rest of the run (not owned); nullptr restores the
// message boxes.
void setMessagePresenter(MessagePresenter* presenter);

MessageAnswer showMessage(const Message& message);
MessageAnswer showMessage(const QString& text, MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::None);

// The title of the program's message boxes.
QString programTitle();

} // namespace qv
