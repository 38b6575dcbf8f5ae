// Small helpers the panels share for showing form data in widgets without
// firing change handlers or resetting a cursor that did not need to move.
#pragma once

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace tolvane {

// Limits what the user types to `characters`; a longer text set by the
// program (a value copied back from the table) is kept whole.
void limitLength(QLineEdit* edit, int characters);
// Sets the text only when it differs (keeps cursor and selection otherwise).
void setText(QLineEdit* edit, const std::string& text);
void setText(QLabel* label, const std::string& text);
// Replaces the items when they differ; selects `index`; no change signals.
void setItems(QComboBox* box, const std::vector<std::string>& items, int index = 0);
void setIndex(QComboBox* box, int index);
// Fixes the width of a box to the widest of every list it may be given, so
// refilling it never moves its neighbours.
void fitWidthTo(QComboBox* box, const std::vector<std::vector<std::string>>& lists);
// Width of an edit that shows `characters` digits comfortably.
int fieldWidth(const QWidget* edit, int characters);

}  // namespace tolvane
