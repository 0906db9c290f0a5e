#pragma once

#include <string>

namespace tq58 {

// The NMEA offset time is kept in half hours, -12 to +12 hours.
inline constexpr int MaxOffsetHalfHours = 24;

// Half hours as a signed hours:minutes offset ("-0:30", "+12:00"); 0 reads " 0" and a value
// beyond twelve hours has no text. The editor's list and the report show the same words.
std::string OffsetText(int offsetTime);

} // namespace tq58
