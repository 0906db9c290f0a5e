#pragma once

#include "gui/editor/Bindings.h"
#include "gui/editor/Page.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace tq58 {

// The weather channels (pictD): one row per channel with its caption, Enable, Scan and name.
// A disabled channel's scan flag and name take no input.
class WeatherPage : public Page {
    Q_OBJECT

public:
    WeatherPage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;

protected:
    // The focused check box carries the mark ">".
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QCheckBox* Enable = nullptr;
        QCheckBox* Scan = nullptr;
        QLineEdit* Name = nullptr;
    };

    void AddRow(int number);
    void ApplyEnable(const Row& row);

    Bindings bindings_;
    std::array<Row, WxChannelCount> rows_;
};

} // namespace tq58
