#include "CliArgs.h"
#include "CliData.h"
#include "CliLinkHost.h"
#include "CliVerbs.h"
#include "editor/UserMmsiConfirmation.h"
#include "files/DurableWrite.h"
#include "files/FileMessages.h"
#include "files/OutputTarget.h"
#include "files/TemporaryFiles.h"
#include "link/Transfer.h"
#include "model/ModelCatalogue.h"
#include "model/NewData.h"
#include "platform/SystemSerialPort.h"
#include "platform/UserDataFolder.h"
#include "program/ModelSelection.h"
#include "report/SettingsComparison.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <iostream>
#include <system_error>

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

// "--port 2" is the program's port number; anything else names a device (port number 0).
LinkOptions ReadLinkOptions(const CliArgs& args) {
    LinkOptions options;
    const std::string port = args.Value("--port").value_or("");
    const bool isNumber = port.size() == 1 && port[0] >= '1' && port[0] - '0' <= HighestPortNumber;
    if (isNumber) {
        options.PortNumber = port[0] - '0';
    } else {
        options.Device = port;
        options.PortNumber = 0;
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
    const auto port = args.Value("--port");
    if (!port) {
        return "--port is required";
    }
    // The serial port takes a device name as text: bytes that are not UTF-8 would name another.
    if (QString::fromStdString(*port).toStdString() != *port) {
        return "the device name " + *port + " is not UTF-8 text; name a link to the device";
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

// How an operation ended: completed, or not; and the model of a radio of another model.
struct OperationEnd {
    bool Done = false;
    std::optional<int> RadioModelType;
};

// Runs one operation as the transfer dialog's OK button does.
OperationEnd RunOperation(const LinkOptions& options, RadioData& data, const ModelState& model,
                          TransferOperation operation,
                          std::function<void(const Image&)> imageRead = {}) {
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
    return {transfer.TransferDone, transfer.RadioModelType};
}

// The exit status of an operation; a radio of another model is named beside the model that
// TQ58 took (what names it: "--model names the RV7200A", "the file is for the RV7200A").
int ExitStatus(const OperationEnd& end, const std::string& takenModel) {
    if (end.RadioModelType) {
        std::cerr << takenModel << "; the radio is an " << ModelNameOf(*end.RadioModelType) << "\n";
    }
    return end.Done ? ExitOk : ExitFailure;
}

// The model a transfer verb takes: --model, else the program's first choice.
std::string TakenModel(const CliArgs& args, const ModelState& model) {
    return (args.Value("--model") ? "--model names the " : "without --model TQ58 takes the ") +
           model.ModelName;
}

// A backup that cannot be kept is told about, and the read goes on to its output.
void KeepBackup(const ModelState& model, const Image& image) {
    if (const Outcome kept = KeepBackupNow(model.ModelName, image); !kept.Ok) {
        std::cerr << kept.Message << "\n" << kept.LogDetail << "\n";
    }
}

// The radio's User MMSI as read; one that is no MMSI is told at once, since it cannot be
// programmed back as it is.
void WarnOfUserMmsi(const RadioData& data) {
    if (const auto fault = UserMmsiFault(data.Settings.DscBasicSetup.UserMmsi)) {
        std::cerr << "warning: the radio's " << fault->English() << "\n";
    }
}

// Before the radio is read: the output must be one that can be written, as the save will make
// it (a file beside it in its folder), so that a slow read is not wasted.
Outcome CheckOutputWritable(const std::string& output) {
    const OutputTarget target = ResolveOutputTarget(output);
    if (target.How == OutputTarget::Kind::Refused) {
        return Outcome::Failure(FileSaveErrorMessage, MessageIcon::Exclamation, {},
                                output + ": " + target.Refusal);
    }
    if (target.How == OutputTarget::Kind::Stream) {
        return Outcome::Success();
    }
    const std::filesystem::path probe = TemporaryPathFor(target.Path);
    if (const int error = WriteNewFileToDisk(probe, {})) {
        return Outcome::Failure(FileSaveErrorMessage, MessageIcon::Exclamation, {},
                                output + ": " + std::generic_category().message(error));
    }
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return Outcome::Success();
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
    if (const Outcome writable = CheckOutputWritable(*output); !writable.Ok) {
        return Failure(writable);
    }
    ModelState model;
    if (const Outcome capable = ModelFor(*modelType, ProgramFolder(args), model); !capable.Ok) {
        return Failure(capable);
    }
    RadioData data;
    if (!NewData(data, model).Ok) {
        return Failure("Data Error!!");
    }
    const OperationEnd end =
        RunOperation(ReadLinkOptions(args), data, model, TransferOperation::ReadFromRadio,
                     [&model](const Image& image) { KeepBackup(model, image); });
    if (!end.Done) {
        return ExitStatus(end, TakenModel(args, model));
    }
    if (const std::size_t unoffered = UnofferedSettings(data, model).size(); unoffered > 0) {
        std::cerr << "note: " << unoffered
                  << (unoffered == 1 ? " setting holds a value TQ58 does not offer; it is kept "
                                       "unless you change it\n"
                                     : " settings hold values TQ58 does not offer; they are "
                                       "kept unless you change them\n");
    }
    WarnOfUserMmsi(data);
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
    if (const auto refused = CommandLineMmsiRefusal(data.Settings.DscBasicSetup.UserMmsi,
                                                    args.Value("--confirm-mmsi"))) {
        return Failure(*refused);
    }
    return ExitStatus(
        RunOperation(ReadLinkOptions(args), data, model, TransferOperation::ProgramToRadio),
        modelOverride ? TakenModel(args, model) : "the file is for the " + model.ModelName);
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
    // Clearing a log needs the model's name only: no data of the model goes anywhere.
    const ModelState model = ModelStateFor(*modelType, GlobalIniPath(ProgramFolder(args)));
    RadioData data;
    if (!NewData(data, model).Ok) {
        return Failure("Data Error!!");
    }
    const TransferOperation operation =
        log == "dsc" ? TransferOperation::ClearDscLog : TransferOperation::ClearDistressLog;
    return ExitStatus(RunOperation(ReadLinkOptions(args), data, model, operation),
                      TakenModel(args, model));
}

} // namespace tq58::cli
