#include "shell/widgets/branch_flow_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "shell/form_state.h"
#include "shell/widgets/bend_surface_window.h"
#include "shell/widgets/widget_text.h"
#include "base/widgets/plain_text.h"

namespace tolvane {

TZusatzVolumenstromfenster::TZusatzVolumenstromfenster(QWidget* parent)
    : QWidget(parent, additionalDataWindowFlags()) {
    setObjectName(QStringLiteral("ZusatzVolumenstromfenster"));
    setWindowTitle(QStringLiteral("Additional Data"));

    auto* caption = plainLabel(QStringLiteral("volume flow or mass flow of branching pipe:"), this);
    Edit_abzwVolumenstrom = new QLineEdit(this);
    Edit_abzwVolumenstrom->setObjectName(QLatin1String(field::BranchFlow));
    limitLength(Edit_abzwVolumenstrom, 10);
    Edit_abzwVolumenstrom->setFixedWidth(fieldWidth(Edit_abzwVolumenstrom, 10));
    caption->setBuddy(Edit_abzwVolumenstrom);
    Label_Einheit = plainLabel(this);
    Label_Einheit->setObjectName(QStringLiteral("Label_Einheit"));
    Label_Einheit->setMinimumWidth(
        Label_Einheit->fontMetrics().horizontalAdvance(QStringLiteral("petr.bl./day")));

    auto* row = new QHBoxLayout;
    row->addWidget(Edit_abzwVolumenstrom);
    row->addWidget(Label_Einheit);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tolvane
