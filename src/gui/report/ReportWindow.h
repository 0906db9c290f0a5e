#pragma once

#include "gui/report/ReportHost.h"

#include <QDialog>
#include <QTimer>
#include <string>

class QPlainTextEdit;

namespace tq58 {

// The report window (frmPrn): the settings report as text in a fixed-width font, read-only,
// and saved from here as a text file. The report is built once the window is on screen.
class ReportWindow : public QDialog {
    Q_OBJECT

public:
    explicit ReportWindow(ReportHost& host);

    const std::string& Report() const { return report_; }

private:
    void BuildReportText();
    void FitWidestLine(const QString& text);
    void SaveAs();

    ReportHost& host_;
    QPlainTextEdit* text_;
    QTimer timer_; // Timer1
    std::string report_;
};

} // namespace tq58
