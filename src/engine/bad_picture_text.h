#pragma once

#include <QString>

#include <optional>

namespace qv {

// What the show says about a picture that cannot be shown, by load result code;
// nothing for a code of 0 or more, or for a negative code it does not know.
std::optional<QString> badPictureText(const QString& path, int code, int pictureCount);

} // namespace qv
