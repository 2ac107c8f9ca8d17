#pragma once

#include "worksheets/curriculum.h"
#include "worksheets/worksheet.h"

#include <QPrintPreviewDialog>

class QAction;
class QPrintPreviewWidget;

namespace abacolo {

// The print preview of an entry's worksheet: print, save as PDF, and "换一套" for a new set of
// the same kind. Frees itself when closed.
class WorksheetPreview : public QPrintPreviewDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorksheetPreview)

public:
    WorksheetPreview(const CurriculumEntry &entry, quint32 seed, QWidget *parent);

    const Worksheet &sheet() const { return m_sheet; }
    QAction *newSetAction() const { return m_newSet; }
    QAction *savePdfAction() const { return m_savePdf; }

    // A new set of the same kind, shown at once.
    void showNewSet(quint32 seed);
    // Asks for a file name and writes the sheet there as PDF.
    void savePdf();

Q_SIGNALS:
    // The pages have been painted for the preview.
    void pagesPainted();

private:
    CurriculumEntry m_entry;
    Worksheet m_sheet;
    QPrintPreviewWidget *m_pages;
    QAction *m_newSet;
    QAction *m_savePdf;
};

// A seed for a new set: six digits, short enough to note down from the sheet's footer.
quint32 newSetSeed();

} // namespace abacolo
