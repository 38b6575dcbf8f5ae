#include "shell/widgets/widget_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace tolvane {

void limitLength(QLineEdit* edit, int characters) {
    edit->setMaxLength(characters);
    // Once the program's longer text has been shortened, the limit is back.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, characters](const QString& t) {
        edit->setMaxLength(std::max<int>(characters, static_cast<int>(t.size())));
    });
}

void setText(QLineEdit* edit, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (edit->text() == t) return;
    if (t.size() > edit->maxLength()) edit->setMaxLength(static_cast<int>(t.size()));
    edit->setText(t);
}

void setText(QLabel* label, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (label->text() != t) label->setText(t);
}

void setItems(QComboBox* box, const std::vector<std::string>& items, int index) {
    const QSignalBlocker block(box);
    bool same = box->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < box->count(); ++i)
        same = box->itemText(i) == QString::fromStdString(items[static_cast<std::size_t>(i)]);
    if (!same) {
        box->clear();
        for (const std::string& item : items) box->addItem(QString::fromStdString(item));
    }
    if (index >= 0 && index < box->count()) box->setCurrentIndex(index);
}

void setIndex(QComboBox* box, int index) {
    const QSignalBlocker block(box);
    if (index >= 0 && index < box->count()) box->setCurrentIndex(index);
}

void fitWidthTo(QComboBox* box, const std::vector<std::vector<std::string>>& lists) {
    QComboBox probe;
    probe.setFont(box->font());
    probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const auto& list : lists)
        for (const std::string& item : list) probe.addItem(QString::fromStdString(item));
    box->setFixedWidth(probe.sizeHint().width());
}

int fieldWidth(const QWidget* edit, int characters) {
    return edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (characters + 2) +
           2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
}

}  // namespace tolvane
