#include "properties/widgets/property_widgets.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include "base/widgets/plain_text.h"

namespace tolvane {

QString qText(const std::string& text) { return QString::fromStdString(text); }

QLineEdit* valueField(QWidget* parent, const char* name, int characters) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setMinimumWidth(
        edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (characters + 2) + 12);
    return edit;
}

QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = plainLabel(text, parent);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QLabel* note(QWidget* parent, const char* name) {
    auto* label = plainLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QListWidget* textList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void fillList(QListWidget* list, const std::vector<std::string>& entries, int row) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& e : entries) list->addItem(qText(e));
    if (row >= 0 && row < list->count()) list->setCurrentRow(row);
}

void selectRow(QListWidget* list, int row) {
    const QSignalBlocker quiet(list);
    if (row >= 0 && row < list->count()) list->setCurrentRow(row);
}

void centreOnScreen(QDialog* dialog) {
    if (QScreen* screen = dialog->screen()) {
        QRect frame = dialog->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        dialog->move(frame.topLeft());
    }
}

}  // namespace tolvane
