#include "gui/ProgramIcon.h"

// The pictures live in a static library, whose resource object the linker would drop
// unless something refers to it; Q_INIT_RESOURCE must stand outside any namespace, the
// unnamed one included.
static void LoadProgramPictures() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(tq58);
        return true;
    }();
    (void)loaded;
}

namespace tq58 {

QIcon ProgramIcon() {
    LoadProgramPictures();
    QIcon icon;
    // Window icons only: every size is decoded at once and sent to the window system, and the
    // larger drawings belong to the desktop entry, which takes them from data/icons.
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QString(":/tq58/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QPixmap ProgramLogo() {
    LoadProgramPictures();
    return QPixmap(QStringLiteral(":/tq58/logo.png"));
}

} // namespace tq58
