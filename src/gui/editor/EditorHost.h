#pragma once

#include "editor/NavigationTree.h"
#include "editor/StepName.h"
#include "model/ModelState.h"
#include "model/RadioData.h"

#include <QString>
#include <string>

namespace tq58 {

class Messages;
enum class TransferOperation;

// What the pages need from the main window: the one copy of the radio data, the selected
// model, the program's flags, the tree and the transfer dialog.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    virtual RadioData& Data() = 0;
    virtual const ModelState& Model() const = 0;
    virtual Messages& Prompts() = 0;
    // The title of the program's message boxes: "PC Program for " and the model's name.
    virtual QString ProgramTitle() const = 0;

    // On while controls are being filled from the record: change handlers then write nothing.
    virtual bool EventsSuspended() const = 0;
    virtual void SetEventsSuspended(bool suspended) = 0;
    // Edits not yet saved; every change handler sets it.
    virtual bool DataChanged() const = 0;
    virtual void SetDataChanged(bool changed) = 0;
    // The record changed: the changes become one undo step of this name, which the Edit menu
    // shows translated (empty: named after the changes).
    virtual void CommitStep(const StepName& name = {}) = 0;

    // The node whose page is shown.
    virtual NodeRef CurrentNode() const = 0;
    // Node texts follow the record again: enable marks and status names.
    virtual void RefreshTreeTexts() = 0;
    // The channel groups in use changed: the tree is built anew on the same node.
    virtual void RebuildTree() = 0;
    // A grid row's jump: the node is selected and its click runs, with the page check.
    virtual void JumpToNode(const std::string& key) = 0;
    // Opens the transfer dialog for the operation; true when it completed.
    virtual bool RunTransfer(TransferOperation operation) = 0;
};

// While it lives, the pages' change handlers write nothing; then they work as before.
class QuietHandlers {
public:
    explicit QuietHandlers(EditorHost& host) : host_(host), suspended_(host.EventsSuspended()) {
        host_.SetEventsSuspended(true);
    }
    ~QuietHandlers() { host_.SetEventsSuspended(suspended_); }
    QuietHandlers(const QuietHandlers&) = delete;
    QuietHandlers& operator=(const QuietHandlers&) = delete;

private:
    EditorHost& host_;
    bool suspended_;
};

// While controls are filled from the record: change handlers write nothing, and DataChanged
// keeps the value it had, whatever the controls' signals do.
class FillScope {
public:
    explicit FillScope(EditorHost& host)
        : host_(host), changed_(host.DataChanged()), quiet_(host) {}
    ~FillScope() { host_.SetDataChanged(changed_); }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

private:
    EditorHost& host_;
    bool changed_;
    QuietHandlers quiet_;
};

} // namespace tq58
