#pragma once

#include <Qt>

namespace qv {

// The windows of this group have a fixed size: a title and a close box, nothing to
// maximise.
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace qv
