#pragma once

#include "files/FileMessages.h"
#include "model/ModelState.h"
#include "model/Outcome.h"
#include "model/RadioData.h"

#include <optional>
#include <string>

namespace tq58 {

// Image files (.hex) and default image files (.ini) hold the memory image byte for byte:
// exactly 32768 bytes, no header.

// The model code at addresses 0-1 and again at 32766-32767 must be the model's.
bool IsImageOfModel(const Image& image, int modelType);
// The model code an image carries at both ends, absent when the two differ.
std::optional<int> ImageModelCode(const Image& image);

// Reads a whole image file into image; fails (image unchanged, the reason in LogDetail, no
// message) when it cannot be read or is not exactly 32768 bytes long.
Outcome ReadImageFile(const std::string& path, Image& image);

// The functions below that load or save a file take the procedure name that the error log
// records for their failures: the caller's, since it is the caller that logs them.

// Replaces the memory image with a file of the model; the image is unchanged otherwise.
Outcome ReadImageBytes(const std::string& path, RadioData& data, const ModelState& model,
                       const std::string& logProcedure);

// Loads a default image file and decodes it. Shows nothing to the user: the caller decides;
// a failure carries no message, only what the error log records.
Outcome FileReadIni(const std::string& path, RadioData& data, const ModelState& model,
                    const std::string& logProcedure);

// Loads an image file over the current data and decodes it.
Outcome ReadHexFileAs(const std::string& path, RadioData& data, const ModelState& model,
                      const std::string& logProcedure);

// Brings the image up to date (encoder, header, header checksum) and writes it whole.
Outcome SaveHexFileAs(const std::string& path, RadioData& data, const ModelState& model,
                      const std::string& logProcedure);

} // namespace tq58
