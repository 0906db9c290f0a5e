#pragma once

#include <optional>
#include <string>

namespace tq58 {

// The model a data file was made for: a settings file's MODELTYPE, or the model of an image
// file's code (".hex", any case). Absent when the file cannot be read or names no model.
std::optional<int> FileModelType(const std::string& path);

} // namespace tq58
