#include "gui/debug/HexDumpView.h"

#include "debug/HexDumpText.h"

#include <QFontDatabase>

namespace tq58 {

HexDumpView::HexDumpView(QWidget* parent) : QListWidget(parent) {
    setObjectName("lstHex");
    setAccessibleName(tr("Memory image in hexadecimal"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setUniformItemSizes(true);
}

void HexDumpView::Refresh(const RadioData& data) {
    clear();
    if (!parentWidget() || !parentWidget()->isVisibleTo(window())) {
        return;
    }
    const auto size = std::min<std::size_t>(data.MemoryImage.size(),
                                            static_cast<std::size_t>(data.ImageLastAddress) + 1);
    QStringList lines;
    for (const std::string& line : HexDumpLines(data.MemoryImage.data(), size)) {
        lines << QString::fromStdString(line);
    }
    addItems(lines);
}

} // namespace tq58
