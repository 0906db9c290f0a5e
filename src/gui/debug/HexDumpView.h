#pragma once

#include "model/RadioData.h"

#include <QListWidget>

namespace tq58 {

// The debug-mode dump of the memory image (lstHex): sixteen bytes a row under a column header.
class HexDumpView : public QListWidget {
    Q_OBJECT

public:
    explicit HexDumpView(QWidget* parent = nullptr);

    // Rebuilds the dump from the image while the view is shown; a hidden view stays empty.
    void Refresh(const RadioData& data);
};

} // namespace tq58
