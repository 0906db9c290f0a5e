#pragma once

#include <QString>

namespace tq58 {

class Messages;
struct Phrase;

// An entry refused by its rule, in the user's language: the program's message (such as
// "Data Error!!"), then on a line of its own the field and the rule with its limits.
void ShowRefusal(Messages& prompts, const QString& title, const QString& message,
                 const Phrase& rule);

} // namespace tq58
