#include "gui/editor/TabbedPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace tq58 {

TabbedPage::TabbedPage(EditorHost& host, const QString& objectName, const QString& tabStripName,
                       const QStringList& tabs, QWidget* parent)
    : Page(host, objectName, parent), tabs_(new QTabWidget(this)) {
    tabs_->setObjectName(tabStripName);
    tabs_->setAccessibleName(tr("%1 tabs").arg(objectName.mid(4)));
    for (int k = 0; k < tabs.size(); ++k) {
        auto* child = new QWidget;
        child->setObjectName(QString("%1Child_%2").arg(objectName).arg(k));
        tabs_->addTab(child, tabs[k]);
        children_.push_back(child);
    }
    // Only the panel in front takes input, so the page check sees which tab is open.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        for (std::size_t k = 0; k < children_.size(); ++k) {
            children_[k]->setEnabled(static_cast<int>(k) == index);
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
}

void TabbedPage::Fill(const NodeRef&) {
    tabs_->setCurrentIndex(0);
    for (std::size_t k = 0; k < children_.size(); ++k) {
        children_[k]->setEnabled(k == 0);
    }
}

} // namespace tq58
