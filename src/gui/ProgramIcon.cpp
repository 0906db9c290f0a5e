#include "gui/ProgramIcon.h"

#include <QGuiApplication>
#include <QIconEngine>

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

namespace {

struct PictureFile {
    const char* name;
    int size; // as drawn for a screen of ordinary density; each also comes twice as large
};

// Back and forward point the way the window's text runs.
PictureFile FileOf(Picture picture) {
    const bool leftToRight = !QGuiApplication::isRightToLeft();
    switch (picture) {
    case Picture::New:
        return {"new", 24};
    case Picture::Open:
        return {"open", 24};
    case Picture::Save:
        return {"save", 24};
    case Picture::HardDisk:
        return {"disk", 24};
    case Picture::Print:
        return {"print", 24};
    case Picture::Up:
        return {"up", 24};
    case Picture::Down:
        return {"down", 24};
    case Picture::Back:
        return {leftToRight ? "left" : "right", 24};
    case Picture::Forward:
        return {leftToRight ? "right" : "left", 24};
    case Picture::Warning:
        return {"warning", 16};
    case Picture::Clear:
        return {"clear", 16};
    }
    return {"warning", 16};
}

// Reads a picture's files when it is first drawn. QIcon::addFile decodes a file at once, and
// many pictures wait for a screen of twice the density, or stand on a hidden button.
class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(PictureFile file) : file_(file) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().pixmap(size, 1.0, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Loaded().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new PictureEngine(*this); }

private:
    const QIcon& Loaded() {
        if (loaded_.isNull()) {
            for (const int size : {file_.size, 2 * file_.size}) {
                loaded_.addFile(QString(":/tq58/pictures/%1-%2.png").arg(file_.name).arg(size),
                                QSize(size, size));
            }
        }
        return loaded_;
    }

    PictureFile file_;
    QIcon loaded_;
};

} // namespace

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

QIcon PictureIcon(Picture picture) {
    LoadProgramPictures();
    return QIcon(new PictureEngine(FileOf(picture)));
}

} // namespace tq58
