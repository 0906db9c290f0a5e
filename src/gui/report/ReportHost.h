#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"

#include <QString>

class QWidget;

namespace tq58 {

class FileChooser;
class Messages;

// What the report window and the printed report need from the window that opens them: the
// data and model to report, where the data came from, the file dialogs and message boxes.
class ReportHost {
public:
    virtual ~ReportHost() = default;

    // The window the report's dialogs sit on; it takes no input while a report is made.
    virtual QWidget* DialogParent() = 0;
    virtual RadioData& Data() = 0;
    virtual const ModelState& Model() const = 0;
    virtual Messages& Prompts() = 0;
    virtual FileChooser& Files() = 0;
    // The title of the program's message boxes: "PC Program for " and the model's name.
    virtual QString ProgramTitle() const = 0;
    // Where the data came from, as a printed page names it: the file's name, "read from the
    // radio" or "new data".
    virtual QString DataOrigin() const = 0;
};

} // namespace tq58
