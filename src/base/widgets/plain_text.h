// Texts that come from data files, projects, file names or the user are
// shown as they are spelled: a label or a tooltip never renders them as
// markup (QLabel and QToolTip take anything that looks like HTML as rich
// text, pictures and links included).
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace tolvane {

// A label that shows its text verbatim, whatever is later set into it.
QLabel* plainLabel(const QString& text, QWidget* parent);
QLabel* plainLabel(QWidget* parent);

// A tooltip text that shows `text` verbatim, line breaks and runs of blanks
// included.
QString plainToolTip(const QString& text);

}  // namespace tolvane
