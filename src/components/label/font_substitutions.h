#pragma once

namespace qv {

// Shows and settings name the usual Windows fonts; map them onto the metrically
// identical Liberation fonts so captions keep their width and line breaks. Safe to
// call any number of times; needs a QGuiApplication.
void installFontSubstitutions();

} // namespace qv
