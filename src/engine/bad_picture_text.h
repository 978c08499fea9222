#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace qv {

// What the show says about a picture that cannot be shown, by load result code;
// nothing for a code of 0 or more, or for a negative code it does not know.
std::optional<QString> badPictureText(const QString& path, int code, int pictureCount);

// The same message fitted into `room` as `widthOf` measures text: a long path loses
// its middle, so that the reason, which is what the viewer needs, stays whole.
std::optional<QString> fittedBadPictureText(const QString& path, int code, int pictureCount,
                                            const std::function<double(const QString&)>& widthOf, double room);

} // namespace qv
