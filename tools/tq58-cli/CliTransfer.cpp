#include "CliArgs.h"
#include "CliData.h"
#include "CliLinkHost.h"
#include "CliVerbs.h"
#include "editor/UserMmsiConfirmation.h"
#include "link/Transfer.h"
#include "model/ModelCatalogue.h"
#include "model/NewData.h"
#include "platform/SystemSerialPort.h"
#include "platform/UserDataFolder.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <iostream>

namespace tq58::cli {

namespace {

constexpr int DefaultModelType = 1;
constexpr int HighestPortNumber = 4;

const std::vector<std::string> ValueOptions{"--port", "--model", "-o", "--program-folder"};
const std::vector<std::string> ProgramValueOptions{"--port", "--model", "--program-folder",
                                                   "--confirm-mmsi"};
const std::vector<std::string> LinkFlags{"--low-speed", "--debug", "--yes"};
const std::vector<std::string> ProgramFlags{"--low-speed", "--debug", "--yes", "--verify"};

// The link options every transfer verb takes.
struct LinkOptions {
    std::string Device;
    int PortNumber = 2;
    bool LowSpeed = false;
    bool Debug = false;
    bool Yes = false;
    bool Verify = false;
};

// "--port 2" is the program's port number; anything else names a device.
LinkOptions ReadLinkOptions(const CliArgs& args) {
    LinkOptions options;
    const std::string port = args.Value("--port").value_or("");
    const bool isNumber = port.size() == 1 && port[0] >= '1' && port[0] - '0' <= HighestPortNumber;
    if (isNumber) {
        options.PortNumber = port[0] - '0';
    } else {
        options.Device = port;
    }
    options.LowSpeed = args.Flag("--low-speed");
    options.Debug = args.Flag("--debug");
    options.Yes = args.Flag("--yes");
    options.Verify = args.Flag("--verify");
    return options;
}

std::optional<std::string> CheckArgs(const CliArgs& args, std::size_t positionals) {
    if (!args.Valid()) {
        return args.Error();
    }
    if (!args.Value("--port")) {
        return "--port is required";
    }
    if (args.Positional().size() != positionals) {
        return "wrong number of arguments";
    }
    return std::nullopt;
}

// The model named by --model, else the program's first choice; nothing for an unknown name.
std::optional<int> ModelOption(const CliArgs& args) {
    const auto text = args.Value("--model");
    if (!text) {
        return DefaultModelType;
    }
    return ParseModel(*text);
}

// Runs one operation as the transfer dialog's OK button does; true when it completed.
bool RunOperation(const LinkOptions& options, RadioData& data, const ModelState& model,
                  TransferOperation operation, std::function<void(const Image&)> imageRead = {}) {
    SystemSerialPort port(options.Device);
    const std::string device =
        options.Device.empty() ? SystemSerialPort::DeviceForPort(options.PortNumber).toStdString()
                               : options.Device;
    CliLinkHost host(options.Yes, device);
    LinkSession link(port, host);
    link.PortNumber = options.PortNumber;
    link.Device = device;
    link.DebugMode = options.Debug;
    link.LowSpeedMode = options.LowSpeed;
    host.Attach(link);
    Transfer transfer(link, data, model, operation);
    transfer.VerifyAfterProgram = options.Verify;
    transfer.ImageRead = std::move(imageRead);
    transfer.OpenDialog();
    transfer.PressOk();
    link.ClosePort();
    return transfer.TransferDone;
}

// A backup that cannot be kept is told about, and the read goes on to its output.
void KeepBackup(const ModelState& model, const Image& image) {
    if (const Outcome kept = KeepBackupNow(model.ModelName, image); !kept.Ok) {
        std::cerr << kept.Message << "\n" << kept.LogDetail << "\n";
    }
}

// A User MMSI goes into a radio only when --confirm-mmsi repeats it: the command line knows
// nothing the data held before, so every User MMSI is a new one. The refusal, if any.
std::optional<std::string> RefusedUserMmsi(const CliArgs& args, const std::string& userMmsi) {
    const auto repeated = args.Value("--confirm-mmsi");
    if (!repeated && NeedsSecondEntry({}, userMmsi)) {
        return "The file holds a User MMSI, and most radios accept their own MMSI only once.\n"
               "Repeat it with --confirm-mmsi DIGITS to program it. Nothing was sent to the radio.";
    }
    if (repeated && !SecondEntryMatches(userMmsi, *repeated)) {
        return std::string("--confirm-mmsi does not repeat the file's User MMSI.\n") +
               SecondEntryMismatch;
    }
    return std::nullopt;
}

} // namespace

int RunRead(const std::vector<std::string>& words) {
    const CliArgs args(words, ValueOptions, LinkFlags);
    if (const auto problem = CheckArgs(args, 0)) {
        return UsageError(*problem + "\nusage: read --port DEV [--model M] [--low-speed] "
                                     "[--debug] [--yes] -o OUT");
    }
    const auto output = args.Value("-o");
    const auto modelType = ModelOption(args);
    if (!output || !modelType) {
        return UsageError(!output ? "-o OUT is required" : "unknown model");
    }
    if (!IsDataFilePath(*output)) {
        return UsageError("cannot tell the kind of " + *output + " (use .dat or .hex)");
    }
    const ModelState model = ModelFor(*modelType, ProgramFolder(args));
    RadioData data;
    if (!NewData(data, model).Ok) {
        return Failure("Data Error!!");
    }
    if (!RunOperation(ReadLinkOptions(args), data, model, TransferOperation::ReadFromRadio,
                      [&model](const Image& image) { KeepBackup(model, image); })) {
        return ExitFailure;
    }
    const Outcome written = WriteOutput(*output, data, model);
    return written.Ok ? ExitOk : Failure(written);
}

int RunProgram(const std::vector<std::string>& words) {
    const CliArgs args(words, ProgramValueOptions, ProgramFlags);
    if (const auto problem = CheckArgs(args, 1)) {
        return UsageError(*problem + "\nusage: program --port DEV [--model M] [--low-speed] "
                                     "[--debug] [--yes] [--verify] [--confirm-mmsi DIGITS] IN");
    }
    std::optional<int> modelOverride;
    if (const auto problem = ReadModelOption(args, modelOverride)) {
        return UsageError(*problem);
    }
    RadioData data;
    ModelState model;
    if (const Outcome loaded =
            LoadInput(args.Positional()[0], modelOverride, ProgramFolder(args), data, model);
        !loaded.Ok) {
        return Failure(loaded);
    }
    if (const auto refused = RefusedUserMmsi(args, data.Settings.DscBasicSetup.UserMmsi)) {
        return Failure(*refused);
    }
    return RunOperation(ReadLinkOptions(args), data, model, TransferOperation::ProgramToRadio)
               ? ExitOk
               : ExitFailure;
}

int RunClearLog(const std::vector<std::string>& words) {
    const CliArgs args(words, ValueOptions, LinkFlags);
    if (const auto problem = CheckArgs(args, 1)) {
        return UsageError(*problem + "\nusage: clear-log dsc|distress --port DEV [--model M]");
    }
    const std::string& log = args.Positional()[0];
    const auto modelType = ModelOption(args);
    if ((log != "dsc" && log != "distress") || !modelType) {
        return UsageError(!modelType ? "unknown model" : "the log is dsc or distress");
    }
    const ModelState model = ModelFor(*modelType, ProgramFolder(args));
    RadioData data;
    if (!NewData(data, model).Ok) {
        return Failure("Data Error!!");
    }
    const TransferOperation operation =
        log == "dsc" ? TransferOperation::ClearDscLog : TransferOperation::ClearDistressLog;
    return RunOperation(ReadLinkOptions(args), data, model, operation) ? ExitOk : ExitFailure;
}

} // namespace tq58::cli
