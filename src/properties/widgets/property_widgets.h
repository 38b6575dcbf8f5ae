// Small pieces the property dialogs share: the read-only value field, the
// button row, a list filled from texts, a caption, and placing a dialog in
// the centre of its screen.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tolvane {

QString qText(const std::string& text);

// A read-only field that the tab key passes by, wide enough for `characters`.
QLineEdit* valueField(QWidget* parent, const char* name, int characters);
QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy = nullptr);
QLabel* note(QWidget* parent, const char* name);
QPushButton* button(QWidget* parent, const char* name, const char* text);
QListWidget* textList(QWidget* parent, const char* name);
// Replaces the entries and selects `row` without firing the list's signals.
void fillList(QListWidget* list, const std::vector<std::string>& entries, int row);
void selectRow(QListWidget* list, int row);
void centreOnScreen(QDialog* dialog);

}  // namespace tolvane
