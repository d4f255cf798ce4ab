#pragma once
// A side's passes on paper or in a PDF: a north-up map over the table of
// their coordinates, for contractors who hand out lines on paper.

#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QTreeWidget>
#include <QWidget>
#include <array>

#include "core/program.h"
#include "display/print_sheet.h"

namespace swathkit {

// Letter where the locale measures in the United States' units, A4 elsewhere.
QPageSize LocalePageSize(const QLocale& locale);

// Paints the sheet onto as many pages as its table takes; false when the
// device could not be painted on (a PDF file that cannot be written).
bool PaintSheet(QPagedPaintDevice& device, const PrintSheet& sheet);

enum class PrintTo { Printer, Pdf };

// "Print..." and "Save as PDF...": the passes of the side's list, or those
// selected in it, after the print dialog or the file chooser.
void PrintLines(const Program& program, Ports& ports, const std::array<QTreeWidget*, 2>& lists,
                int side, PrintTo to, QWidget* parent);

}  // namespace swathkit
