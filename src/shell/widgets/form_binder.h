// Copies the main window's input widgets into a FormState and back: the
// medium panel, the element panel, the gas data window and the two
// "Additional Data" windows. The widgets hold no logic of their own; every
// command reads the form, lets the core change it and shows the result.
#pragma once

#include "shell/form_state.h"

namespace tolvane {

class ElementPanelWidget;
class MediumPanelWidget;
class TGasdaten;
class TZusatzElementfenster;
class TZusatzVolumenstromfenster;

struct FormWidgets {
    MediumPanelWidget* medium = nullptr;
    ElementPanelWidget* element = nullptr;
    TGasdaten* gas = nullptr;
    TZusatzElementfenster* elementWindow = nullptr;
    TZusatzVolumenstromfenster* flowWindow = nullptr;
};

class FormBinder {
public:
    explicit FormBinder(FormWidgets widgets) : w_(widgets) {}

    // Texts and choices the user can change go into `form`; lists, labels and
    // visibilities are the form's own and stay as they are.
    void read(FormState& form) const;
    // Everything of `form` into the widgets, the windows' visibility included.
    void show(const FormState& form);

    const FormWidgets& widgets() const { return w_; }

private:
    FormWidgets w_;
};

}  // namespace tolvane
