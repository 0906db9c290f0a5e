#pragma once

#include "model/Outcome.h"
#include "model/Phrase.h"

#include <map>
#include <string>
#include <string_view>

namespace tq58 {

// The Maritime Identification Digits: the three digits inside an MMSI or an ATIS code that
// name the country or area of the station. The program folder's "mid.tsv" lists them, one a
// line: MID, ISO 3166 code and name, separated by tabs; lines beginning with "#" explain.

inline constexpr const char* MidTableFileName = "mid.tsv";

struct MidCountry {
    std::string Iso;
    std::string Name;
};

class MidTable {
public:
    // Lines that are not a MID, a code and a name are passed over.
    static MidTable FromText(std::string_view text);

    // The country of three digits; null when the MID is allocated to none.
    const MidCountry* Find(std::string_view mid) const;
    // No table was read: no MID can be told known or unknown.
    bool Empty() const { return countries_.empty(); }

private:
    std::map<std::string, MidCountry, std::less<>> countries_;
};

// Reads "mid.tsv" of the program folder into table. A failure leaves the table as it was and
// says which file could not be read.
Outcome ReadMidTable(const std::string& programFolder, MidTable& table);

inline constexpr const char* MidTableErrorMessage = TQ58_TEXT(
    "Files",
    "The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.");

} // namespace tq58
