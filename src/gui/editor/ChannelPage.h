#pragma once

#include "editor/ChannelPanelState.h"
#include "gui/editor/Bindings.h"
#include "gui/editor/Page.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace tq58 {

class ConnectorLine;

// The panel of one channel (pictC): a plan channel's options, or an EXP channel with its own
// display number and frequencies. Which controls take input follows the record at once.
class ChannelPage : public Page {
    Q_OBJECT

public:
    ChannelPage(EditorHost& host, const QString& objectName, QWidget* parent = nullptr);

    void Fill(const NodeRef& node) override;
    bool CanLeave() override;

protected:
    // A frequency field's entry is checked when the focus moves on within the panel.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A frequency field and the record field it stores.
    struct FrequencyField {
        QLineEdit* Edit = nullptr;
        double ChannelRecord::*Field = nullptr;
        QString Title; // the refusal message's title
    };

    ChannelRecord& Channel() const;
    ChannelKind Kind() const;

    void BuildLayout();
    void AddDisplayRow(QGridLayout* layout);
    void AddFrequencyRows(QGridLayout* layout);
    void AddScramblerRow(QGridLayout* layout);
    void AddNameRow(QGridLayout* layout);
    QLineEdit* AddField(const char* name, const QString& accessibleName, ChannelControl control);
    QLabel* AddLabel(const char* name, const char* caption, ChannelControl control);
    void BindControls();
    void BindChecks();
    void BindFrequency(FrequencyField& frequency);

    void ApplyState();
    void ShowFrequencies();
    // Accepted: stored and shown as stored. Refused: the message, and the field keeps the
    // focus and the text as typed.
    bool CheckFrequency(FrequencyField& frequency);
    FrequencyField* Pending();

    Bindings bindings_;
    NodeRef node_;
    std::array<std::vector<QWidget*>, ChannelControlCount> controls_;
    QCheckBox* enable_ = nullptr;
    QLabel* heading_ = nullptr;
    std::array<QLineEdit*, 2> display_{};
    std::array<FrequencyField, 2> frequencies_;
    ConnectorLine* lowPowerLine_ = nullptr;
    ConnectorLine* powerUpLine_ = nullptr;
    QLineEdit* pending_ = nullptr; // a frequency typed but not yet checked
};

} // namespace tq58
