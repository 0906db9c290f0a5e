#pragma once

#include <string>

class QWidget;

namespace tq58 {

// The program's help: an HTML document in the program folder, shown in the program's own
// help window at the topic of a help context number.
bool HelpDocumentExists(const std::string& programFolder);
void ShowHelpTopic(QWidget* parent, const std::string& programFolder, int context);

} // namespace tq58
