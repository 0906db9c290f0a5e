#include "files/FileModel.h"

#include "files/ImageFile.h"
#include "files/SettingsFile.h"
#include "files/TextCase.h"
#include "model/ModelCatalogue.h"

namespace tq58 {

std::optional<int> FileModelType(const std::string& path) {
    if (EndsWithIgnoreCase(path, ".hex")) {
        Image image;
        if (!ReadImageFile(path, image).Ok) {
            return std::nullopt;
        }
        const std::optional<int> code = ImageModelCode(image);
        return code ? ModelTypeOfCode(*code) : std::nullopt;
    }
    std::string text;
    if (!ReadSettingsText(path, text, {}).Ok) {
        return std::nullopt;
    }
    return DataFileModelType(text);
}

} // namespace tq58
