#pragma once

#include "files/CsvText.h"
#include "model/Phrase.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace tq58 {

// Stands for a character the radio's byte-wide texts cannot hold; no check accepts it.
inline constexpr char UnstorableCharacter = '\x7F';

// A refused row of an import: its line in the file and why, a sentence for each reason.
struct CsvRefusal {
    int Line = 0;
    std::vector<Phrase> Reasons;
};

// The reasons as one phrase, joined by "; ", each translated by itself.
Phrase JoinedReasons(const std::vector<Phrase>& reasons);
// The lines in English, one below the other.
std::string EnglishLines(const std::vector<Phrase>& lines);

// The refused rows of an import: the first ones with their reasons, and how many there were
// in all. A file of thousands of bad rows still gives a message that a person can read and
// that fits in memory.
class CsvRefusals {
public:
    static constexpr std::size_t MaxListed = 50;

    CsvRefusals() = default;
    CsvRefusals(std::initializer_list<CsvRefusal> refusals) {
        for (const CsvRefusal& refusal : refusals) {
            Add(refusal);
        }
    }

    void Add(CsvRefusal refusal) {
        if (listed_.size() < MaxListed) {
            listed_.push_back(std::move(refusal));
        }
        ++count_;
    }
    bool Empty() const { return count_ == 0; }
    std::size_t Count() const { return count_; }
    const std::vector<CsvRefusal>& Listed() const { return listed_; }

private:
    std::vector<CsvRefusal> listed_;
    std::size_t count_ = 0;
};

// "Nothing was imported: 3 rows were refused." and "line 4: ..." for each listed refusal, or
// for a paste "Nothing was pasted: ..." and "row 2: ...", then how many more there were.
enum class RefusedBy { Import, Paste };
std::vector<Phrase> RefusalLines(const CsvRefusals& refusals, RefusedBy by);

// Flags are written "On" and "Off", as the setting pages word them.
std::string OnOffCell(bool value);
// "On" or "Off" in any case; absent for anything else.
std::optional<bool> ParseOnOffCell(const std::string& cell);
// A whole number written with digits only; absent for anything else.
std::optional<int> ParseWholeNumberCell(const std::string& cell);

// The cell under column `column`; a spreadsheet leaves out empty cells at a row's end.
std::string CellAt(const CsvRow& row, std::size_t column);
// The cell as a message quotes it, cut after 40 characters.
std::string Quoted(const std::string& cell);

} // namespace tq58
