#include "tools/widgets/named_controls.h"

#include <QComboBox>
#include <QLabel>

#include "base/widgets/plain_text.h"

namespace tolvane {

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = plainLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QComboBox* namedUnitList(QWidget* parent, const char* name, const std::vector<std::string>& units) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    for (const std::string& unit : units) box->addItem(QString::fromStdString(unit));
    return box;
}

}  // namespace tolvane
