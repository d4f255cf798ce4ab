#include "ui/print_sheet.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "core/version.h"
#include "ui/language.h"
#include "ui/line_map.h"
#include "ui/qt_ports.h"

namespace swathkit {

namespace {

const char* const kPrintTitle = SAY("Print");
const char* const kPdfTitle = SAY("Save as PDF");

// Painted in points, 72 to the inch, whatever the device's resolution.
constexpr double kTextSize = 9;
constexpr double kTitleSize = 14;
constexpr double kRowHeight = 13;
constexpr std::array<double, kSheetColumns.size()> kColumnWidths = {50, 60, 125, 125, 90};

QFont SheetFont(double size, bool bold) {
    QFont font;
    font.setPixelSize(static_cast<int>(size));
    font.setBold(bold);
    // No ligatures: a path or a number copied out of the PDF must come out
    // as the letters it was written with.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The table's header row at top, its line beneath; returns where rows start.
double DrawTableHeader(QPainter& painter, double top, double width) {
    painter.setFont(SheetFont(kTextSize, true));
    double x = 0;
    for (std::size_t i = 0; i < kSheetColumns.size(); ++i) {
        painter.drawText(QRectF(x, top, kColumnWidths[i], kRowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, Tr(kSheetColumns[i]));
        x += kColumnWidths[i];
    }
    painter.drawLine(QPointF(0, top + kRowHeight), QPointF(width, top + kRowHeight));
    painter.setFont(SheetFont(kTextSize, false));
    return top + kRowHeight + 2;
}

void DrawRow(QPainter& painter, double top, const SheetRow& row) {
    const std::array<QString, kSheetColumns.size()> cells = {
        QString::number(row.Field), Tr(row.Kind), Text(row.Latitude), Text(row.Longitude),
        Text(row.Heading)};
    double x = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        painter.drawText(QRectF(x, top, kColumnWidths[i], kRowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
        x += kColumnWidths[i];
    }
}

void DrawFooter(QPainter& painter, QSizeF page, int number, int pages) {
    painter.setFont(SheetFont(kTextSize - 1, false));
    const QRectF line(0, page.height() - kRowHeight, page.width(), kRowHeight);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, kProgramCaption);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                     Tr(SAY("Page %1 of %2")).arg(number).arg(pages));
}

}  // namespace

QPageSize LocalePageSize(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

bool PaintSheet(QPagedPaintDevice& device, const PrintSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    const QSizeF page = device.pageLayout().paintRectPoints().size();
    painter.setPen(Qt::black);

    // The heading: what, from where, when.
    painter.setFont(SheetFont(kTitleSize, true));
    painter.drawText(QRectF(0, 0, page.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
                     Tr(SAY("Guidance lines: %1")).arg(Tr(sheet.Title)));
    painter.setFont(SheetFont(kTextSize, false));
    const QString from = sheet.Source.empty()
                             ? QString()
                             : Tr(SAY("From %1")).arg(QDir::toNativeSeparators(Text(sheet.Source)));
    painter.drawText(QRectF(0, 22, page.width(), kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     from);
    painter.drawText(
        QRectF(0, 22 + kRowHeight, page.width(), kRowHeight), Qt::AlignLeft | Qt::AlignVCenter,
        (sheet.Rows.size() == 1 ? Tr(SAY("Printed %1, %2 pass")) : Tr(SAY("Printed %1, %2 passes")))
            .arg(Text(sheet.Printed))
            .arg(sheet.Rows.size()));

    // The map, as wide as the page and at most half as tall.
    const double mapTop = 24 + 2 * kRowHeight + 6;
    const QRectF mapArea(0, mapTop, page.width(), std::min(page.width() * 0.75, page.height() / 2));
    MapLegend legend;
    for (const MapPass& pass : sheet.Passes) legend.Sides[pass.Side] = true;
    painter.setFont(SheetFont(kTextSize, false));
    PaintMap(painter, FitPasses(sheet.Passes, mapArea), sheet.Passes, legend);
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(mapArea);

    // The table below it, going on over further pages.
    const double bottom = page.height() - kRowHeight - 6;
    const double firstTop = mapArea.bottom() + 12;
    const auto rowsFrom = [&](double top) {
        return std::max(1, static_cast<int>((bottom - top - kRowHeight - 2) / kRowHeight));
    };
    const int firstRows = rowsFrom(firstTop);
    const int moreRows = rowsFrom(0);
    const int rows = static_cast<int>(sheet.Rows.size());
    const int pages = 1 + (rows > firstRows ? (rows - firstRows + moreRows - 1) / moreRows : 0);

    double y = DrawTableHeader(painter, firstTop, page.width());
    int onPage = firstRows, pageNumber = 1;
    for (int i = 0; i < rows; ++i) {
        if (onPage == 0) {
            DrawFooter(painter, page, pageNumber++, pages);
            device.newPage();
            y = DrawTableHeader(painter, 0, page.width());
            onPage = moreRows;
        }
        DrawRow(painter, y, sheet.Rows[i]);
        y += kRowHeight;
        --onPage;
    }
    DrawFooter(painter, page, pageNumber, pages);
    return painter.end();
}

void PrintLines(const Program& program, Ports& ports, const std::array<QTreeWidget*, 2>& lists,
                int side, PrintTo to, QWidget* parent) {
    const QString title = Tr(to == PrintTo::Pdf ? kPdfTitle : kPrintTitle);
    const PrintSheet sheet =
        MakePrintSheet(program, side, ListedInLists(lists)[side], ports.Time.Today());
    if (sheet.Rows.empty()) {
        QMessageBox::information(
            parent, title, Tr(SAY("%1 shows no passes to print.")).arg(Tr(kSideCaption[side])));
        return;
    }
    const QPageSize pageSize = LocalePageSize(QLocale::system());
    if (to == PrintTo::Printer) {
        QPrinter printer(QPrinter::HighResolution);
        // A printer's own paper wins; without one the locale's.
        if (printer.printerName().isEmpty())
            printer.setPageSize(pageSize);
        printer.setDocName(Tr(SAY("Guidance lines - %1")).arg(Tr(kSideCaption[side])));
        QPrintDialog dialog(&printer, parent);
        dialog.setObjectName("PrintDialog");
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (!PaintSheet(printer, sheet))
            QMessageBox::warning(parent, title, Tr(SAY("The passes could not be printed.")));
        return;
    }

    QFileDialog chooser(parent, title,
                        QDir::home().filePath(
                            QString("%1 %2.pdf").arg(Tr(kSideCaption[side]), Text(sheet.Printed))),
                        Tr(SAY("PDF files (%1)")).arg("*.pdf"));
    chooser.setObjectName("PdfFile");
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix("pdf");
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString file = QDir::toNativeSeparators(chooser.selectedFiles().front());
    QPdfWriter writer(file);
    writer.setPageSize(pageSize);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(Tr(SAY("Guidance lines - %1")).arg(Tr(kSideCaption[side])));
    writer.setCreator(kProgramCaption);
    if (!PaintSheet(writer, sheet))
        QMessageBox::warning(parent, title, Tr(SAY("Nothing was written to %1.")).arg(file));
}

}  // namespace swathkit
