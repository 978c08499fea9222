#pragma once

#include "showdata/custom_show.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class QPrinter;

namespace qv {

// The printed summary of a show: a title, the time and date, the column header and
// rule, then one fixed-width line per slide.
QStringList dataSheetLines(const CustomShow& show, const QString& showName, const QDateTime& printedAt);

// One slide's line: its number right-aligned in four characters, a space and the
// 79-character row.
QString dataSheetSlideLine(int number, const SlideRecord& slide);

// Prints `lines` in a fixed-pitch 10-point font on `printer`, starting a new page
// when one is full. Returns 0, or an error number with its text in `errorText`.
int printDataSheet(const QStringList& lines, QPrinter& printer, QString& errorText);

// Where the sheet goes when no printer is set up: a PDF file in the data folder.
QString dataSheetPdfPath(const QString& showName);

} // namespace qv
