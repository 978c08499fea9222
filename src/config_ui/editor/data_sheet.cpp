#include "config_ui/editor/data_sheet.h"

#include "components/platform/file_errors.h"
#include "components/platform/file_names.h"
#include "config_ui/editor/slide_table_edits.h"
#include "settings/global_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

namespace qv {
namespace {

// The number and text of a failure that is the printer's own.
constexpr int printerErrorNumber = 482;

const QString rowTemplate =
    QStringLiteral("                  |                  |   |         |   |                  |    ");

// Writes `value` over `row` from the 1-based column `first`, at most `width`
// characters, so the row keeps its length.
void overwrite(QString& row, int first, int width, const QString& value)
{
    const QString cut = value.left(width);
    row.replace(first - 1, cut.size(), cut);
}

int pdfTargetError(const QString& path)
{
    QFile probe(path);
    if (probe.open(QIODevice::WriteOnly))
        return FileError::None;
    return probe.error() == QFileDevice::PermissionsError ? FileError::PermissionDenied
                                                          : FileError::PathFileAccessError;
}

} // namespace

QString dataSheetSlideLine(int number, const SlideRecord& slide)
{
    QString row = rowTemplate;
    overwrite(row, 1, 18, sheetPathText(slide.picture));
    overwrite(row, 20, 18, slide.description);
    overwrite(row, 39, 3, QString::number(slide.delay));
    overwrite(row, 43, 9, effectNameText(slide.effect));
    overwrite(row, 53, 3, QString::number(slide.effectSpeed));
    overwrite(row, 57, 18, sheetPathText(slide.audio));
    overwrite(row, 76, 4, slide.audioLoop == 1 ? QStringLiteral("Yes") : QStringLiteral("No"));
    return QString::number(number).rightJustified(4, QLatin1Char(' ')) + QLatin1Char(' ') + row;
}

QStringList dataSheetLines(const CustomShow& show, const QString& showName, const QDateTime& printedAt)
{
    const QLocale locale;
    QString title = QStringLiteral("Quintavue slide show data sheet");
    if (!showName.isEmpty() && showName.toUpper() != QStringLiteral("EMPTY"))
        title += QStringLiteral(": ") + showName;
    QStringList lines{
        title,
        locale.toString(printedAt.time(), QLocale::LongFormat) + QLatin1Char(' ')
            + locale.toString(printedAt.date(), QLocale::ShortFormat),
        QString(),
        QStringLiteral("     Picture           |Description       |Del|Effect   |Spd|Audio (wav,mid)   |Loop"),
        QStringLiteral("     ") + QString(79, QLatin1Char('-')),
    };
    for (int n = 1; n <= show.slideCount; ++n)
        lines << dataSheetSlideLine(n, show.slide(n));
    return lines;
}

int printDataSheet(const QStringList& lines, QPrinter& printer, QString& errorText)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (const int error = pdfTargetError(printer.outputFileName()); error != FileError::None) {
            errorText = fileErrorText(error) + QStringLiteral(": ") + displayFileName(printer.outputFileName());
            return error;
        }
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        errorText = QStringLiteral("Printer error");
        return printerErrorNumber;
    }
    // Courier New where it is installed; its metric twin otherwise.
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), painter.device());
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = painter.viewport().height();
    int y = 0;
    for (const QString& line : lines) {
        if (y + lineHeight > pageHeight && y > 0) {
            if (!printer.newPage()) {
                painter.end();
                errorText = QStringLiteral("Printer error");
                return printerErrorNumber;
            }
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += lineHeight;
    }
    if (!painter.end()) {
        errorText = QStringLiteral("Printer error");
        return printerErrorNumber;
    }
    return 0;
}

QString dataSheetPdfPath(const QString& showName)
{
    // Named readably: the sheet is a new file, and its name need not be the show's bytes.
    QString base = QFileInfo(displayFileName(showName)).completeBaseName();
    if (base.isEmpty() || showName.toUpper() == QStringLiteral("EMPTY"))
        base = QStringLiteral("untitled");
    return globalSettings().slideshowPath + QStringLiteral("data sheet ") + base + QStringLiteral(".pdf");
}

} // namespace qv
