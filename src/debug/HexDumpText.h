#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tq58 {

// The debug dump of a memory image: a column header, a rule, then sixteen bytes a row.
std::vector<std::string> HexDumpLines(const std::uint8_t* bytes, std::size_t size);

} // namespace tq58
