// tq58-draw-icons: draws the tool bar's pictures, the tree's warning mark and the find field's
// clear button as PNG files, the ones src/gui/tq58.qrc compiles into the program
// (src/gui/icons/).
//
//     tq58-draw-icons FOLDER
//
// Writes FOLDER/<name>-<size>.png in every size the window asks for. Each picture is drawn on
// a grid of 16 units; mid-tone fills inside dark outlines read on light and dark palettes.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

const QColor Ink(46, 52, 54);
const QColor PaperLight(255, 255, 255);
const QColor PaperShade(220, 222, 218);
const QColor Frame(85, 87, 83);
const QColor BlueLight(114, 159, 207);
const QColor BlueDark(32, 74, 135);

QPen Outline(const QColor& colour) {
    QPen pen(colour, 1.0);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient Shading(const QColor& top, const QColor& bottom, qreal from = 1, qreal to = 15) {
    QLinearGradient gradient(0, from, 0, to);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// A sheet with its top right corner folded over.
void Sheet(QPainter& painter) {
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(9.5, 1.5);
    sheet.lineTo(13.5, 5.5);
    sheet.lineTo(13.5, 14.5);
    sheet.lineTo(3.5, 14.5);
    sheet.closeSubpath();
    painter.setPen(Outline(Frame));
    painter.setBrush(Shading(PaperLight, PaperShade));
    painter.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(9.5, 1.5);
    fold.lineTo(9.5, 5.5);
    fold.lineTo(13.5, 5.5);
    painter.setBrush(PaperShade);
    painter.drawPath(fold);
}

void DrawNew(QPainter& painter) {
    Sheet(painter);
}

// A folder.
void DrawOpen(QPainter& painter) {
    const QColor edge(143, 89, 2);
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 2.5);
    back.lineTo(6.0, 2.5);
    back.lineTo(7.5, 4.5);
    back.lineTo(14.5, 4.5);
    back.lineTo(14.5, 13.5);
    back.closeSubpath();
    painter.setPen(Outline(edge));
    painter.setBrush(QColor(193, 125, 17));
    painter.drawPath(back);
    painter.setBrush(Shading(QColor(252, 213, 130), QColor(215, 140, 40), 6.5, 13.5));
    painter.drawRect(QRectF(1.5, 6.5, 13, 7));
}

void DrawSave(QPainter& painter) {
    QPainterPath body;
    body.moveTo(1.5, 1.5);
    body.lineTo(12.5, 1.5);
    body.lineTo(14.5, 3.5);
    body.lineTo(14.5, 14.5);
    body.lineTo(1.5, 14.5);
    body.closeSubpath();
    painter.setPen(Outline(BlueDark));
    painter.setBrush(Shading(BlueLight, QColor(52, 101, 164)));
    painter.drawPath(body);
    painter.setPen(Outline(Frame));
    painter.setBrush(PaperLight);
    painter.drawRect(QRectF(3.5, 1.5, 9, 6));
    painter.setPen(Outline(PaperShade));
    painter.drawLine(QPointF(5, 3.5), QPointF(11, 3.5));
    painter.drawLine(QPointF(5, 5.5), QPointF(11, 5.5));
    painter.setPen(Outline(Ink));
    painter.setBrush(QColor(186, 189, 182));
    painter.drawRect(QRectF(4.5, 10.5, 7, 4));
    painter.fillRect(QRectF(9, 11, 1.5, 3), Ink);
}

void DrawDisk(QPainter& painter) {
    painter.setPen(Outline(Ink));
    painter.setBrush(Shading(QColor(238, 238, 236), QColor(136, 138, 133), 5.5, 13.5));
    painter.drawRoundedRect(QRectF(1.5, 5.5, 13, 8), 1.5, 1.5);
    painter.setPen(Outline(Frame));
    painter.drawLine(QPointF(2.5, 10.5), QPointF(13.5, 10.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(115, 210, 22));
    painter.drawEllipse(QPointF(12, 12), 1.0, 1.0);
}

// A list in a frame, as the report lists the settings.
void DrawPrint(QPainter& painter) {
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(Shading(PaperLight, PaperShade));
    painter.drawRoundedRect(QRectF(1.75, 1.75, 12.5, 12.5), 2, 2);
    painter.setPen(QPen(Ink, 1.0));
    for (const qreal y : {5.5, 7.5, 9.5, 11.5}) {
        painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    }
}

// A white arrow pointing right on a green disc; the others are this one turned.
void DrawArrow(QPainter& painter, qreal degrees) {
    painter.setPen(Outline(QColor(52, 101, 10)));
    QRadialGradient disc(QPointF(6, 5), 10);
    disc.setColorAt(0, QColor(138, 226, 52));
    disc.setColorAt(1, QColor(58, 128, 6));
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(8, 8), 7, 7);
    painter.translate(8, 8);
    painter.rotate(degrees);
    QPainterPath arrow;
    arrow.moveTo(-4.5, -1.25);
    arrow.lineTo(0.0, -1.25);
    arrow.lineTo(0.0, -4.5);
    arrow.lineTo(4.75, 0.0);
    arrow.lineTo(0.0, 4.5);
    arrow.lineTo(0.0, 1.25);
    arrow.lineTo(-4.5, 1.25);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
}

void DrawWarning(QPainter& painter) {
    QPainterPath triangle;
    triangle.moveTo(8, 1.0);
    triangle.lineTo(15.0, 14.5);
    triangle.lineTo(1.0, 14.5);
    triangle.closeSubpath();
    painter.setPen(Outline(QColor(143, 89, 2)));
    painter.setBrush(Shading(QColor(252, 233, 79), QColor(237, 212, 0), 1, 14.5));
    painter.drawPath(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    QPainterPath mark;
    mark.moveTo(7.0, 5.0);
    mark.lineTo(9.0, 5.0);
    mark.lineTo(8.5, 10.0);
    mark.lineTo(7.5, 10.0);
    mark.closeSubpath();
    painter.drawPath(mark);
    painter.drawEllipse(QPointF(8, 12), 1.0, 1.0);
}

// The find field's clear button: a cross on a grey disc.
void DrawClear(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Frame);
    painter.drawEllipse(QPointF(8, 8), 7, 7);
    QPen cross(Qt::white, 2.0);
    cross.setCapStyle(Qt::RoundCap);
    painter.setPen(cross);
    painter.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    painter.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
}

struct Picture {
    const char* name;
    int size; // for a screen of ordinary density; drawn twice as large as well
    std::function<void(QPainter&)> draw;
};

const Picture Pictures[] = {
    {"new", 24, DrawNew},
    {"open", 24, DrawOpen},
    {"save", 24, DrawSave},
    {"disk", 24, DrawDisk},
    {"print", 24, DrawPrint},
    {"right", 24, [](QPainter& painter) { DrawArrow(painter, 0); }},
    {"down", 24, [](QPainter& painter) { DrawArrow(painter, 90); }},
    {"left", 24, [](QPainter& painter) { DrawArrow(painter, 180); }},
    {"up", 24, [](QPainter& painter) { DrawArrow(painter, 270); }},
    {"warning", 16, DrawWarning},
    {"clear", 16, DrawClear},
};

QImage Drawn(const Picture& picture, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    picture.draw(painter);
    return image;
}

} // namespace

// Paths only, no text: the raster painter needs no application object.
int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs("usage: tq58-draw-icons FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    for (const Picture& picture : Pictures) {
        for (const int size : {picture.size, 2 * picture.size}) {
            const QString path = folder.filePath(QString("%1-%2.png").arg(picture.name).arg(size));
            if (!Drawn(picture, size).save(path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
