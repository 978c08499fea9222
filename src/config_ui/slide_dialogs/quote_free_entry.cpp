#include "config_ui/slide_dialogs/quote_free_entry.h"

#include <QLineEdit>
#include <QValidator>

namespace qv {
namespace {

class NoDoubleQuotes final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        const qsizetype before = input.left(position).count(u'"');
        if (before > 0 || input.contains(u'"')) {
            input.remove(u'"');
            position -= int(before);
        }
        return Acceptable;
    }
};

} // namespace

void forbidDoubleQuotes(QLineEdit* entry) { entry->setValidator(new NoDoubleQuotes(entry)); }

} // namespace qv
