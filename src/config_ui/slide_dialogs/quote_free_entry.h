#pragma once

class QLineEdit;

namespace qv {

// Keeps double quotes out of an entry, typed or pasted: the show file cannot store
// them inside a text.
void forbidDoubleQuotes(QLineEdit* entry);

} // namespace qv
