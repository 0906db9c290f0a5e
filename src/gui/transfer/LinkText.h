#pragma once

#include <QString>
#include <string>

namespace tq58 {

// A message of the link in the user's language. The link words its messages as lines of
// fixed texts ("Complete!!", then "Verified"), each marked in the "Link" context, so each line
// is translated on its own; a line with values in it (a device, an address) stays as written.
QString LinkText(const std::string& text);

} // namespace tq58
