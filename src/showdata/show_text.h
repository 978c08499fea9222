#pragma once

#include "components/platform/file_names.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace qv {

// Texts of the show files as bytes. Files are written in UTF-8; files made by the
// program's Windows ancestors are in Windows-1252, so a text that is not valid
// UTF-8 is taken as Windows-1252 instead. The choice is made per text, so one
// hand-edited field cannot spoil the others.
QString decodeShowText(QByteArrayView bytes);
// UTF-8, but a path's escaped bytes (see file_names.h) are written as the bytes they
// stand for, so a file whose name is not UTF-8 is named by its real name.
QByteArray encodeShowText(const QString& text);

// A path field. Where it is not valid UTF-8 it is either a name in Windows-1252 that an
// older version wrote (its file now named in UTF-8) or the real bytes of a name that is not
// UTF-8: the Windows-1252 reading when that names something on disk, else the real bytes.
QString decodeShowPath(QByteArrayView bytes);

} // namespace qv
