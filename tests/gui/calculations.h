// Real calculations for window tests: an element kind chosen as in the
// element chooser, its fields typed, Calculate pressed (the roughness query
// answered with 0.1 mm).
#pragma once

#include <QLineEdit>
#include <QString>

#include <initializer_list>

#include "shell/element_panel.h"
#include "shell/widgets/element_panel_widget.h"
#include "window_rig.h"

namespace tolvane::test {

inline void calculate(MainWindowRig& rig, ElementKind kind, std::initializer_list<QString> values) {
    rig.window->setRoughnessAsker([]() -> std::optional<double> { return 0.1; });
    rig.window->readForm();
    chooseElementKind(rig.session.form, kind);
    rig.window->showForm();
    int i = 0;
    for (const QString& v : values) rig.window->elementPanel()->VaEdit[i++]->setText(v);
    rig.window->BerechnungsschalterClick();
}

// A straight circular pipe, a circular bend and a gate valve.
inline void calculateThree(MainWindowRig& rig) {
    calculate(rig, ElementKind{1, 1}, {"50", "12"});
    calculate(rig, ElementKind{4, 1}, {"50", "100", "90"});
    calculate(rig, ElementKind{7, 4}, {"50", "25"});
}

}  // namespace tolvane::test
