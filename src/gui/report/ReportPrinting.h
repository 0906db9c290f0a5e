#pragma once

#include "gui/report/ReportHost.h"
#include "model/ModelState.h"
#include "model/RadioData.h"
#include "report/PrintedReport.h"

class QPagedPaintDevice;

namespace tq58 {

// The printed form of the settings report on paper, in a preview or in a PDF file.

// Paints every page of the report onto the device: the items at their millimetre positions,
// lines at a fixed pitch in millimetres, so that the pages break alike on every printer and
// in every file; a new page wherever a block starts or a page is full. Every page ends with
// its footer: where the data came from, when it was printed, "page N of M".
void PaintReport(QPagedPaintDevice& device, RadioData& data, const ModelState& model,
                 const PrintContext& context);

// File > Print: the printer dialog, then the report on the chosen printer.
void PrintReport(ReportHost& host);
// File > "Print Preview": the pages as they would be printed.
void PreviewReport(ReportHost& host);
// File > "Export PDF...": the pages into a PDF file that the user names.
void ExportReportPdf(ReportHost& host);

} // namespace tq58
