#pragma once

#include "editor/ChangeNames.h"

#include <QObject>
#include <QString>
#include <functional>

class QAction;

namespace tq58 {

class EditorHost;
class RecordGrid;
struct DirectoryRecord;

// "Delete entry 5, EIDER 244123456?": the question before an entry in use is deleted.
QString DeleteEntryQuestion(const DirectoryRecord& entry, int index);

// The directory grid's order commands, in its context menu and on keys: move the selected
// entry up (Alt+Up) or down (Alt+Down), insert an entry before it (Insert), delete it
// (Delete, after the question). Each is one undo step.
class DirectoryOrderMenu : public QObject {
    Q_OBJECT

public:
    // directory gives the DirectoryKind shown; refill shows the grid again from the record.
    DirectoryOrderMenu(EditorHost& host, RecordGrid* grid, std::function<int()> directory,
                       std::function<void()> refill);

    void Move(int by);
    void Insert();
    void Delete();

private:
    QAction* AddAction(const QString& text, const QKeySequence& key, std::function<void()> run);
    // "individual entry 3" for the step names.
    void Done(OrderCommand command, int row, int selectedRow);

    EditorHost& host_;
    RecordGrid* grid_;
    std::function<int()> directory_;
    std::function<void()> refill_;
};

} // namespace tq58
