#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace qv {

// Texts of the show files as bytes. Files are written in UTF-8; files made by the
// program's Windows ancestors are in Windows-1252, so a text that is not valid
// UTF-8 is taken as Windows-1252 instead. The choice is made per text, so one
// hand-edited field cannot spoil the others.
QString decodeShowText(QByteArrayView bytes);
QByteArray encodeShowText(const QString& text);

// Windows-1252 to Unicode, byte by byte (the five unassigned bytes map to the C1
// controls of the same number, as Windows itself does).
QString decodeWindows1252(QByteArrayView bytes);

} // namespace qv
