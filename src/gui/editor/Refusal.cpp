#include "gui/editor/Refusal.h"

#include "gui/Messages.h"
#include "gui/Translations.h"
#include "model/Phrase.h"

namespace tq58 {

void ShowRefusal(Messages& prompts, const QString& title, const QString& message,
                 const Phrase& rule) {
    prompts.Show(title, message + "\n" + Translated(rule), QMessageBox::Warning);
}

} // namespace tq58
