#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"

#include <string>

class QWidget;

namespace tq58 {

class Messages;
class SettingsStore;
struct StartOptions;

// What the transfer dialog needs from the window that opens it: the radio data the operation
// reads or writes, the model, the message boxes, the start switches, the user's settings
// (port and verify choice), the program folder of the help file and the error log.
class TransferHost {
public:
    virtual ~TransferHost() = default;

    // The window the dialog sits on; it takes no input while the dialog opens.
    virtual QWidget* DialogParent() = 0;
    virtual RadioData& Data() = 0;
    virtual const ModelState& Model() const = 0;
    virtual Messages& Prompts() = 0;
    virtual const StartOptions& Options() const = 0;
    virtual SettingsStore& Store() = 0;
    virtual const std::string& ProgramFolder() const = 0;
    // One line of the error log, in debug mode only.
    virtual void LogError(const std::string& procedure, const std::string& detail) = 0;
};

} // namespace tq58
