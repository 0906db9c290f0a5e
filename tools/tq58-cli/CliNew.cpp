#include "CliArgs.h"
#include "CliVerbs.h"
#include "app/ModelCatalogue.h"
#include "link/ImageHeader.h"
#include "model/NewData.h"

#include <cstdio>
#include <fstream>

namespace tq58::cli {

namespace {

bool WriteImage(const std::string& path, const Image& image) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), image.size());
        if (!out.flush()) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace

int RunNew(const std::vector<std::string>& words) {
    const CliArgs args(words, {"--model", "-o"});
    if (!args.Valid()) {
        return UsageError(args.Error());
    }
    const auto modelText = args.Value("--model");
    const auto output = args.Value("-o");
    if (!modelText || !output || !args.Positional().empty()) {
        return UsageError("usage: new --model M -o OUT.hex");
    }
    const auto modelType = ParseModel(*modelText);
    if (!modelType) {
        return UsageError("unknown model '" + *modelText + "'");
    }
    ModelState model;
    model.ModelType = *modelType;
    model.ModelName = ModelNameOf(*modelType, UnknownModelName::Unknown);
    RadioData data;
    EncodeResult result = NewData(data, model);
    if (result.Ok()) {
        result = PrepareOutgoingImage(data, model);
    }
    if (!result.Ok()) {
        return Failure("Data Error!! (" + result.FailedField + ")");
    }
    if (!WriteImage(*output, data.MemoryImage)) {
        return Failure("FileSave Error!!");
    }
    return ExitOk;
}

} // namespace tq58::cli
