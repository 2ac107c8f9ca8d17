#pragma once

#include <QString>

class QPagedPaintDevice;
class QPrinter;

namespace abacolo {

struct Worksheet;

// The pages of a sheet: the exercises, then the answer key for the parent.
int exercisePageCount(const Worksheet &sheet);
int answerPageCount(const Worksheet &sheet);

// Paints every page of a sheet on an A4 portrait device whose paint area is the whole paper.
void paintWorksheet(const Worksheet &sheet, QPagedPaintDevice *device);

// Sets a printer up for sheets: A4 portrait, the paper's whole area ours.
void preparePrinter(QPrinter *printer, const Worksheet &sheet);

// Writes a sheet as a PDF file; the file appears complete or not at all. On failure returns
// false with a Chinese message in `error`.
bool saveWorksheetPdf(const Worksheet &sheet, const QString &file, QString *error);

} // namespace abacolo
