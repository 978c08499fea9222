#pragma once

#include <QString>

namespace qv {

// Show names as the load and save dialogs take them: letters "A" to "Z", "a" to "z"
// and digits only, so a name can never leave the data folder or hide its extension.
bool isShowNameCharacter(QChar c);
// `text` without the characters a show name cannot hold.
QString showNameOnly(const QString& text);

// The name a show file's entry stands for: the file name without its ".css".
QString showNameOfFile(const QString& fileName);
// What the dialogs' path label reads: the folder followed by "*.css".
QString showFilePattern(const QString& folder);

// Makes "<name>.css" the active show and reads it into the show table. On success the
// editor's selection goes back to the first slide (none for an empty show) and the
// name becomes the one Cancel returns to. A failed load has already told the user
// why; the show table and the active name are then put back as they were, so a
// damaged file never replaces the show being edited. Returns the load's error code.
int loadShowNamed(const QString& name);

// The names of the program's own scratch copies ("tdz", "zxz", "zxz2", in any case): a
// show saved under one of them would be overwritten or deleted by the next test run.
bool isReservedShowName(const QString& name);

// Saves the show table as "<name>.css" (replacing a file of that name) and makes it
// the active show. A failed save has told the user why; it marks the dialog as
// cancelled and keeps the previous active name, since nothing was saved under the new
// one. Returns the save's error code.
int saveShowNamed(const QString& name);

// Deletes the show file `fileName` of `folder`; a file that cannot be deleted is
// skipped without a word. When it was the active show, no show is active any more.
void deleteShowFile(const QString& folder, const QString& fileName);

} // namespace qv
