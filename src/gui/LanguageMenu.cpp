#include "gui/LanguageMenu.h"

#include "program/UserLanguage.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace tq58 {

namespace {

QString ChoiceName(const LanguageChoice& choice) {
    return choice.Code.empty()
               ? QCoreApplication::translate("LanguageMenu", "System")
               : QString::fromUtf8(choice.Name.data(), static_cast<qsizetype>(choice.Name.size()));
}

} // namespace

void AddLanguageMenu(QMenu* options, SettingsStore& store) {
    auto* menu = new QMenu(QCoreApplication::translate("LanguageMenu", "&Language"), options);
    menu->setObjectName("mnuOptionsLanguage");
    menu->menuAction()->setObjectName("mnuOptionsLanguage");
    options->addMenu(menu);
    QAction* note = menu->addAction(
        QCoreApplication::translate("LanguageMenu", "Takes effect at the next start"));
    note->setEnabled(false);
    menu->addSeparator();

    auto* group = new QActionGroup(menu);
    const std::string stored = StoredLanguage(store);
    for (std::size_t i = 0; i < LanguageChoices.size(); ++i) {
        const LanguageChoice& choice = LanguageChoices[i];
        QAction* item = menu->addAction(ChoiceName(choice));
        item->setObjectName(QString("mnuOptionsLanguage_%1").arg(i));
        item->setCheckable(true);
        item->setChecked(choice.Code == stored);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu,
                         [&store, code = choice.Code] { StoreLanguage(store, code); });
    }
}

} // namespace tq58
