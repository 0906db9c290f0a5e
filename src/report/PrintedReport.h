#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"

#include <string>
#include <vector>

namespace tq58 {

// The settings report laid out for paper, ready for any painter: pages of lines, each line a
// few texts at horizontal positions. Line height and font are the painter's.

inline constexpr double PrintLeftMarginMillimetres = 10;
// Where the first line of every page stands, from the top edge of the page.
inline constexpr double PrintTopMillimetres = 5;
inline constexpr double TwipsPerMillimetre = 56.7;

struct PrintedItem {
    double Millimetres = 0; // from the left edge of the printable area, margin included
    std::string Text;

    bool operator==(const PrintedItem&) const = default;
};

struct PrintedLine {
    std::vector<PrintedItem> Items; // none: an empty line
};

struct PrintedPage {
    std::vector<PrintedLine> Lines;
    PrintedLine Footer; // stands at the foot of the page, below every line
};

// What every page says at its foot beside "page N of M": where the data came from (the
// file's name, or one of the words below) and when the report was printed.
struct PrintContext {
    std::string Origin;
    std::string PrintedAt;
};
inline constexpr const char* ReadFromRadioOrigin = "read from the radio";
inline constexpr const char* NewDataOrigin = "new data";
// The footer's top, from the bottom edge of the page: inside the bottom margin that no line
// of the report reaches, so that the pages break as they would without it.
inline constexpr double PrintFooterFromBottomMillimetres = 9;

// Sections 1 to 7 share the first page; every channel table and directory starts its own.
// With linesPerPage above 0, a block that does not fit goes on over further pages, each
// again with the page header and, inside a table, the table's column lines; 0 puts each
// block on one page whatever its length. Off-raster EXP frequencies are snapped in the
// record as they are shown.
std::vector<PrintedPage> BuildPrintedReport(RadioData& data, const ModelState& model,
                                            int linesPerPage = 0);

// Gives every page its footer: the origin, the time of printing and "page N of M".
void AddPageFooters(std::vector<PrintedPage>& pages, const PrintContext& context);

} // namespace tq58
