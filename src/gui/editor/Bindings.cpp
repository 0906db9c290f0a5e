#include "gui/editor/Bindings.h"

#include "gui/TextCodec.h"
#include "gui/editor/EditorHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tq58 {

bool Bindings::Writing() const {
    return !host_.EventsSuspended() && page_->isEnabled();
}

void Bindings::Written(const std::function<void()>& after) const {
    host_.SetDataChanged(true);
    if (after) {
        after();
    }
    host_.CommitStep();
}

void Bindings::Fill() const {
    for (const auto& fill : fills_) {
        fill();
    }
}

void Bindings::Check(QCheckBox* box, FieldRef<bool> field, std::function<void()> after) {
    fills_.push_back([box, field] { box->setChecked(field()); });
    QObject::connect(box, &QCheckBox::toggled, box, [this, field, after](bool checked) {
        if (Writing()) {
            field() = checked;
            Written(after);
        }
    });
}

void Bindings::ComboIndex(QComboBox* box, FieldRef<int> field, std::function<void()> after) {
    fills_.push_back([box, field] { box->setCurrentIndex(field()); });
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [this, field, after](int index) {
        if (Writing() && index >= 0) {
            field() = index;
            Written(after);
        }
    });
}

void Bindings::ComboFlag(QComboBox* box, FieldRef<bool> field, std::function<void()> after) {
    fills_.push_back([box, field] { box->setCurrentIndex(field() ? 1 : 0); });
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [this, field, after](int index) {
        if (Writing() && index >= 0) {
            field() = index == 1;
            Written(after);
        }
    });
}

template <typename T>
void Bindings::BindComboData(QComboBox* box, FieldRef<T> field, std::function<void()> after) {
    fills_.push_back([box, field] {
        int shown = -1;
        for (int i = 0; i < box->count() && shown < 0; ++i) {
            shown = box->itemData(i).toLongLong() == field() ? i : -1;
        }
        box->setCurrentIndex(shown);
    });
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [this, box, field, after](int index) {
                         if (Writing() && index >= 0) {
                             field() = static_cast<T>(box->itemData(index).toLongLong());
                             Written(after);
                         }
                     });
}

void Bindings::ComboData(QComboBox* box, FieldRef<long> field, std::function<void()> after) {
    BindComboData(box, std::move(field), std::move(after));
}

void Bindings::ComboData(QComboBox* box, FieldRef<int> field, std::function<void()> after) {
    BindComboData(box, std::move(field), std::move(after));
}

void Bindings::Text(QLineEdit* edit, FieldRef<std::string> text, std::function<void()> after) {
    fills_.push_back([edit, text] { edit->setText(ToQt(text())); });
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, text, after](const QString& value) {
        if (Writing()) {
            text() = FromQt(value);
            Written(after);
        }
    });
}

void Bindings::Check(QCheckBox* box, Accessor<bool> value, std::function<void()> after) {
    fills_.push_back([box, get = value.Get] { box->setChecked(get()); });
    QObject::connect(box, &QCheckBox::toggled, box, [this, set = value.Set, after](bool checked) {
        if (Writing()) {
            set(checked);
            Written(after);
        }
    });
}

void Bindings::ComboIndex(QComboBox* box, Accessor<int> item, std::function<void()> after) {
    fills_.push_back([box, get = item.Get] { box->setCurrentIndex(get()); });
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [this, set = item.Set, after](int index) {
                         if (Writing() && index >= 0) {
                             set(index);
                             Written(after);
                         }
                     });
}

void Bindings::Text(QLineEdit* edit, Accessor<std::string> text, std::function<void()> after) {
    fills_.push_back([edit, get = text.Get] { edit->setText(ToQt(get())); });
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [this, set = text.Set, after](const QString& value) {
                         if (Writing()) {
                             set(FromQt(value));
                             Written(after);
                         }
                     });
}

} // namespace tq58
