#include "showdata/file_replacement.h"

#include "components/platform/file_errors.h"
#include "components/platform/message_box.h"
#include "showdata/file_stamps.h"

#include "components/platform/file_names.h"

namespace qv {

int saveFileChecked(const QString& path, const QByteArray& bytes, const QString& failureWords)
{
    const QString name = displayFileName(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    const auto fail = [&](int error) {
        showMessage(failureWords + fileErrorText(error) + QLatin1Char('\n') + displayFileName(path));
        return error;
    };
    // What can never be replaced is refused before any question about it.
    if (const int error = checkReplaceableTarget(path).error; error != FileError::None)
        return fail(error);
    if (changedSinceRemembered(path)
        && showMessage(Message{name + QStringLiteral(" was changed by another window since you opened it. Replace it?"),
                               QString(), MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No})
               != MessageAnswer::Yes)
        return saveDeclined;
    if (const int error = replaceFileContents(path, bytes); error != FileError::None)
        return fail(error);
    rememberFileStamp(path);
    return FileError::None;
}

} // namespace qv
