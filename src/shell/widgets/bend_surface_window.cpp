#include "shell/widgets/bend_surface_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tolvane {

Qt::WindowFlags additionalDataWindowFlags() {
    return Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

TZusatzElementfenster::TZusatzElementfenster(QWidget* parent)
    : QWidget(parent, additionalDataWindowFlags()) {
    setObjectName(QStringLiteral("ZusatzElementfenster"));
    setWindowTitle(QStringLiteral("Additional Data"));

    RadioGroup1 = new QGroupBox(QStringLiteral("The Surface of Pipe is:"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    smooth = new QRadioButton(QStringLiteral("smooth"), RadioGroup1);
    rough = new QRadioButton(QStringLiteral("rough"), RadioGroup1);
    smooth->setObjectName(QStringLiteral("smooth"));
    rough->setObjectName(QStringLiteral("rough"));
    smooth->setChecked(true);
    auto* items = new QVBoxLayout(RadioGroup1);
    items->addWidget(smooth);
    items->addWidget(rough);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TZusatzElementfenster::surface() const { return rough->isChecked() ? 1 : 0; }

void TZusatzElementfenster::setSurface(int item) { (item == 1 ? rough : smooth)->setChecked(true); }

}  // namespace tolvane
