#pragma once

#include "showdata/byte_source.h"
#include "showdata/custom_show.h"

#include <QByteArray>
#include <QString>

namespace qv {

// The ".css" file of a custom show: a header line of the application name, six
// empty reserved fields and the slide count, then one line per slide.

// The whole show, and a one-slide show made of slide `position`, as file bytes.
QByteArray formatCustomShow(const CustomShow& show, const QString& appName);
QByteArray formatSingleSlide(const CustomShow& show, int position, const QString& appName);

// Reads a show file into `show`; returns 0 or the error code. The first field goes
// to `appName` whatever follows. The table is rebuilt slide by slide as the lines
// are read, never sized from the header's count, so a count larger than the file
// fails at the file's end without allocating for it. On failure `show` holds the
// slides read completely so far (`slideCount` says how many) and `pictureCount`
// keeps its value as far as those slides allow; on success `pictureCount` equals
// `slideCount`.
int readCustomShow(ByteSource& source, CustomShow& show, QString& appName);

// The file a load reads: the command line itself when it ends in ".css" (any case),
// otherwise "slideshow_path" + "ActiveCSS".
QString customShowLoadPath();
// How messages about a load name its file: the path given on the command line, or
// "ActiveCSS", as a person reads it (file_names.h).
QString customShowLoadName();
// The file a save writes: "slideshow_path" + "ActiveCSS".
QString customShowSavePath();

// Replace or write the process-wide table (customShow()) from or to its file; 0 or
// the error code. Failures show their message box before returning.
int LoadCustomShow();
int SaveCustomShow();
// A one-slide show of slide `position` (1 to `slideCount`) to "slideshow_path" +
// "ActiveCSS"; the table itself does not change.
int SaveSingleSlide(int position);

// The editor's file-name label: "File=" + "ActiveCSS" as the file is named, or
// "File=" alone when no show is chosen.
QString ShowFileLabel();

} // namespace qv
