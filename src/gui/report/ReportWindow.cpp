#include "gui/report/ReportWindow.h"

#include "files/WholeFile.h"
#include "gui/BusyScope.h"
#include "gui/FileChooser.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "report/ReportText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace tq58 {

namespace {

constexpr QSize WindowSize(558, 409);
constexpr int BuildDelayMs = 10;
constexpr int BuiltPauseMs = 500;

bool IsFixedPitch(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance('i') == metrics.horizontalAdvance('W');
}

// The report's columns line up only in a font whose characters are all equally wide.
QFont ReportFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    return IsFixedPitch(font) ? font : QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

} // namespace

ReportWindow::ReportWindow(ReportHost& host)
    : QDialog(host.DialogParent()), host_(host), text_(new QPlainTextEdit(this)) {
    setObjectName("frmPrn");
    setWindowTitle(tr("Settings Report"));

    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName("mnuBar");
    QMenu* file = menuBar->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    QAction* save = file->addAction(tr("&Save As..."), this, &ReportWindow::SaveAs);
    save->setObjectName("mnuFileSave");
    QAction* exit = file->addAction(tr("&Exit"), this, &QDialog::accept);
    exit->setObjectName("mnuFileExit");

    text_->setObjectName("txtPrn");
    text_->setAccessibleName(tr("Report text"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(ReportFont());
    text_->setPlainText(tr("Now, making text image. Please wait..."));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setAccessibleName(tr("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(WindowSize);

    timer_.setObjectName("Timer1");
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ReportWindow::BuildReportText);
    timer_.start(BuildDelayMs);
}

// The window widens, as far as the screen allows, until the report's widest line shows whole.
void ReportWindow::FitWidestLine(const QString& text) {
    const QFontMetrics metrics(text_->font());
    int widest = 0;
    for (const QString& line : text.split('\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int margins = 2 * (text_->frameWidth() +
                             static_cast<int>(std::ceil(text_->document()->documentMargin())));
    const int needed = widest + margins + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                       metrics.averageCharWidth();
    const int extra = needed - text_->width();
    if (extra > 0) {
        int wanted = width() + extra;
        if (const QScreen* shown = screen()) {
            wanted = std::min(wanted, shown->availableGeometry().width());
        }
        resize(wanted, height());
    }
}

void ReportWindow::BuildReportText() {
    BusyScope busy(this);
    report_ = BuildReport(host_.Data(), host_.Model());
    const QString text = ToQt(report_).replace("\r\n", "\n");
    text_->setPlainText(text);
    FitWidestLine(text);
    PauseWithEvents(BuiltPauseMs);
}

void ReportWindow::SaveAs() {
    const QString path = host_.Files().Ask(
        {FileRequest::Mode::Save, tr("Save As"), {}, tr("Text files(*.txt);;All files(*.*)"), {}});
    if (path.isEmpty()) {
        return;
    }
    Outcome written;
    {
        BusyScope busy(this);
        written = ReplaceFileContents(path.toStdString(), report_ + ReportLineBreak);
    }
    if (!written.Ok) {
        host_.Prompts().Show(host_.ProgramTitle(), QString::fromStdString(written.LogDetail),
                             QMessageBox::Warning);
    }
}

} // namespace tq58
