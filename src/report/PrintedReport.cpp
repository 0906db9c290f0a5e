#include "report/PrintedReport.h"

#include "report/ReportSections.h"

#include <algorithm>

namespace tq58 {

namespace {

PrintedItem ItemAt(double columnMillimetres, std::string text) {
    return PrintedItem{PrintLeftMarginMillimetres + columnMillimetres, std::move(text)};
}

// On paper a column holds its text as the text form would, cut to the column's width but
// without trailing spaces, which would only pad it.
std::string PrintedTextOf(const ReportCell& cell) {
    std::string text = cell.PrintedText ? *cell.PrintedText : cell.Text;
    if (cell.Width > 0) {
        text = text.substr(0, static_cast<std::size_t>(cell.Width));
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

double ColumnPosition(const ReportSection& section, std::size_t column) {
    if (section.ColumnMillimetres.empty()) {
        return 0;
    }
    return section.ColumnMillimetres[std::min(column, section.ColumnMillimetres.size() - 1)];
}

PrintedLine PrintedLineOf(const ReportSection& section, const ReportLine& line,
                          const ModelState& model) {
    PrintedLine printed;
    for (std::size_t i = 0; i < line.Cells.size(); ++i) {
        const ReportCell& cell = line.Cells[i];
        std::string text = PrintedTextOf(cell);
        if (!text.empty() && (!cell.ScramblerOnly || model.ScramblerAvailable)) {
            printed.Items.push_back(ItemAt(ColumnPosition(section, i), std::move(text)));
        }
    }
    return printed;
}

PrintedLine TextAtMargin(std::string text) {
    return PrintedLine{{ItemAt(0, std::move(text))}};
}

// Fills pages line by line, starting a new page with the page header when one is full.
class PageWriter {
public:
    PageWriter(std::string pageHeader, int linesPerPage)
        : pageHeader_(std::move(pageHeader)), linesPerPage_(linesPerPage) {}

    void StartPage() {
        pages_.push_back({});
        Page().push_back(TextAtMargin(pageHeader_));
        Page().push_back({});
        for (const PrintedLine& line : repeatedLines_) {
            Page().push_back(line);
        }
        prefixLines_ = Page().size();
    }

    void StartBlock() {
        repeatedLines_.clear();
        StartPage();
    }

    void StartSection() { repeatedLines_.clear(); }

    void Add(const PrintedLine& line) {
        KeepTogether(1);
        Page().push_back(line);
    }

    // Starts a new page unless the next count lines fit on this one.
    void KeepTogether(std::size_t count) {
        if (!HasRoomFor(count)) {
            StartPage();
        }
    }

    // A table's column lines, repeated at the top of every page the table goes on to.
    void AddColumnHeading(const PrintedLine& line) {
        Add(line);
        repeatedLines_.push_back(line);
    }

    bool HasPage() const { return !pages_.empty(); }
    std::vector<PrintedPage> TakePages() { return std::move(pages_); }

private:
    std::vector<PrintedLine>& Page() { return pages_.back().Lines; }

    // A page always takes one line beyond its header, so that every page makes progress.
    bool HasRoomFor(std::size_t count) {
        const std::size_t lines = Page().size();
        return linesPerPage_ <= 0 || lines <= prefixLines_ ||
               lines + count <= static_cast<std::size_t>(linesPerPage_);
    }

    std::string pageHeader_;
    int linesPerPage_;
    std::vector<PrintedPage> pages_;
    std::vector<PrintedLine> repeatedLines_;
    std::size_t prefixLines_ = 0;
};

// A heading never stands alone at the foot of a page: it goes with the empty line before it
// and the first two lines under it.
constexpr std::size_t SectionOpeningLines = 4;

void PrintSection(PageWriter& writer, const ReportSection& section, const ModelState& model) {
    if (section.StartsPrintedPage || !writer.HasPage()) {
        writer.StartBlock();
    } else {
        writer.KeepTogether(std::min(SectionOpeningLines, 2 + section.Lines.size()));
    }
    writer.StartSection();
    writer.Add({});
    writer.Add(TextAtMargin(section.PrintedHeading));
    for (const ReportLine& line : section.Lines) {
        const PrintedLine printed = PrintedLineOf(section, line, model);
        if (line.ColumnHeading) {
            writer.AddColumnHeading(printed);
        } else {
            writer.Add(printed);
        }
    }
}

// The footer's three parts stand at fixed places, inside the narrowest paper (Letter).
constexpr double FooterDateMillimetres = 95;
constexpr double FooterPageMillimetres = 165;
// A longer origin keeps its end, where a file's name is.
constexpr std::size_t FooterOriginLength = 44;

std::string FooterOrigin(const std::string& origin) {
    if (origin.size() <= FooterOriginLength) {
        return origin;
    }
    return "..." + origin.substr(origin.size() - (FooterOriginLength - 3));
}

} // namespace

void AddPageFooters(std::vector<PrintedPage>& pages, const PrintContext& context) {
    const std::string count = std::to_string(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pages[i].Footer = PrintedLine{
            {ItemAt(0, FooterOrigin(context.Origin)),
             ItemAt(FooterDateMillimetres, context.PrintedAt),
             ItemAt(FooterPageMillimetres, "page " + std::to_string(i + 1) + " of " + count)}};
    }
}

std::vector<PrintedPage> BuildPrintedReport(RadioData& data, const ModelState& model,
                                            int linesPerPage) {
    PageWriter writer(model.ModelName + " Quayline", linesPerPage);
    for (const ReportSection& section : BuildReportSections(data, model)) {
        PrintSection(writer, section, model);
    }
    return writer.TakePages();
}

} // namespace tq58
