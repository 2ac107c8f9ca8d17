#include "worksheets/worksheetpreview.h"

#include "worksheets/sheetpainter.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRandomGenerator>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace abacolo {

quint32 newSetSeed()
{
    return QRandomGenerator::global()->bounded(1000000u);
}

WorksheetPreview::WorksheetPreview(const CurriculumEntry &entry, quint32 seed, QWidget *parent)
    : QPrintPreviewDialog(parent)
    , m_entry(entry)
    , m_sheet(makeWorksheet(entry, seed))
    , m_pages(findChild<QPrintPreviewWidget *>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"预览/打印 - "_s + m_sheet.title);
    preparePrinter(printer(), m_sheet);
    resize(900, 720);

    auto *bar = findChild<QToolBar *>();
    bar->addSeparator();
    m_newSet = bar->addAction(u"换一套"_s);
    m_newSet->setToolTip(u"同一种练习，换一套新的题目"_s);
    m_savePdf = bar->addAction(u"另存为PDF…"_s);
    for (QAction *action : {m_newSet, m_savePdf}) {
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    connect(m_newSet, &QAction::triggered, this, [this] { showNewSet(newSetSeed()); });
    connect(m_savePdf, &QAction::triggered, this, &WorksheetPreview::savePdf);
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        paintWorksheet(m_sheet, target);
        Q_EMIT pagesPainted();
    });
}

void WorksheetPreview::showNewSet(quint32 seed)
{
    m_sheet = makeWorksheet(m_entry, seed);
    m_pages->updatePreview();
}

void WorksheetPreview::savePdf()
{
    const QString suggested = QDir::home().filePath(m_sheet.title + u".pdf"_s);
    const QString file = QFileDialog::getSaveFileName(this, u"另存为PDF"_s, suggested, u"PDF 文件 (*.pdf)"_s);
    if (file.isEmpty())
        return;
    QString error;
    if (!saveWorksheetPdf(m_sheet, file, &error))
        QMessageBox::warning(this, u"错误"_s, error);
}

} // namespace abacolo
