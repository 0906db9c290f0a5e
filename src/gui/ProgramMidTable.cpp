#include "gui/ProgramMidTable.h"

#include "program/ProgramFolder.h"

#include <QCoreApplication>

namespace tq58 {

const MidTable& ProgramMidTable() {
    static const MidTable table = [] {
        MidTable read;
        (void)ReadMidTable(FindProgramFolder(QCoreApplication::applicationDirPath().toStdString()),
                           read);
        return read;
    }();
    return table;
}

} // namespace tq58
