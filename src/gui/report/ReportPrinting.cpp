#include "gui/report/ReportPrinting.h"

#include "files/FileMessages.h"
#include "files/WholeFile.h"
#include "gui/BusyScope.h"
#include "gui/FileChooser.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "program/ModelSelection.h"
#include "program/WindowCaption.h"

#include <QBuffer>
#include <QDateTime>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace tq58 {

namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr double PrintLinePitch = 4.0; // millimetres
constexpr double PrintBottomMillimetres = 10;
constexpr double PrintFontPoints = 9;

QFont PrintFont() {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(PrintFontPoints);
    return font;
}

double PageHeight(const QPagedPaintDevice& device) {
    return device.pageLayout().fullRect(QPageLayout::Millimeter).height();
}

int LinesPerPage(const QPagedPaintDevice& device) {
    return static_cast<int>((PageHeight(device) - PrintTopMillimetres - PrintBottomMillimetres) /
                            PrintLinePitch);
}

// The paper's own size for the user's measurement system: Letter where people use inches.
QPageSize DefaultPageSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

QPageLayout FullPageLayout(const QPageSize& size) {
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

void PaintLine(QPainter& painter, const PrintedLine& line, double top) {
    const double xScale = painter.device()->logicalDpiX() / MillimetresPerInch;
    const double yScale = painter.device()->logicalDpiY() / MillimetresPerInch;
    const int baseline =
        static_cast<int>(std::lround(top * yScale)) + painter.fontMetrics().ascent();
    for (const PrintedItem& item : line.Items) {
        painter.drawText(QPoint(static_cast<int>(std::lround(item.Millimetres * xScale)), baseline),
                         ToQt(item.Text));
    }
}

void PaintPage(QPainter& painter, const PrintedPage& page, double pageHeight) {
    for (std::size_t row = 0; row < page.Lines.size(); ++row) {
        PaintLine(painter, page.Lines[row],
                  PrintTopMillimetres + PrintLinePitch * static_cast<double>(row));
    }
    PaintLine(painter, page.Footer, pageHeight - PrintFooterFromBottomMillimetres);
}

// Where the data came from, as the footer names it, and the time of printing.
PrintContext ContextOf(const ReportHost& host) {
    return PrintContext{FromQt(host.DataOrigin()),
                        FromQt(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm"))};
}

} // namespace

void PaintReport(QPagedPaintDevice& device, RadioData& data, const ModelState& model,
                 const PrintContext& context) {
    std::vector<PrintedPage> pages = BuildPrintedReport(data, model, LinesPerPage(device));
    AddPageFooters(pages, context);
    QPainter painter(&device);
    painter.setFont(PrintFont());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            device.newPage();
        }
        PaintPage(painter, pages[i], PageHeight(device));
    }
}

void PrintReport(ReportHost& host) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        host.Prompts().Show(host.ProgramTitle(),
                            QObject::tr("No printer is set up on this computer.\n\n"
                                        "File > \"Export PDF...\" keeps the report as a PDF "
                                        "file, which any computer can print."),
                            QMessageBox::Information);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, host.DialogParent());
    dialog.setObjectName("dlgPrint");
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    BusyScope busy(host.DialogParent());
    PaintReport(printer, host.Data(), host.Model(), ContextOf(host));
}

void PreviewReport(ReportHost& host) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(FullPageLayout(DefaultPageSize()));
    QPrintPreviewDialog preview(&printer, host.DialogParent());
    preview.setObjectName("frmPrintPreview");
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&host](QPrinter* target) {
                         PaintReport(*target, host.Data(), host.Model(), ContextOf(host));
                     });
    preview.exec();
}

void ExportReportPdf(ReportHost& host) {
    const QString filter = QObject::tr("PDF files(*.pdf);;All files(*.*)");
    const QString path =
        host.Files().Ask({FileRequest::Mode::Save, QObject::tr("Export PDF"), {}, filter, {}});
    if (path.isEmpty()) {
        return;
    }
    Outcome written;
    {
        BusyScope busy(host.DialogParent());
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            // The document's own title is part of the report: English in every language.
            writer.setTitle(QString::fromStdString(ProgramTitle(host.Model()).English()));
            writer.setCreator(QString(AppTitle));
            writer.setPageLayout(FullPageLayout(DefaultPageSize()));
            PaintReport(writer, host.Data(), host.Model(), ContextOf(host));
        }
        // Written beside the target and renamed over it: a failed export leaves an earlier
        // file of the same name as it was.
        written = ReplaceFileContents(path.toStdString(), pdf.data().toStdString());
    }
    host.Prompts().ShowFailure(written.Reported(FileSaveErrorMessage, MessageIcon::Exclamation),
                               host.ProgramTitle());
}

} // namespace tq58
