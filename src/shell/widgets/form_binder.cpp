#include "shell/widgets/form_binder.h"

#include <QLabel>
#include <QLineEdit>

#include "shell/widgets/bend_surface_window.h"
#include "shell/widgets/branch_flow_window.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/gas_data_window.h"
#include "shell/widgets/medium_panel.h"
#include "shell/widgets/widget_text.h"

namespace tolvane {

void FormBinder::read(FormState& form) const {
    w_.medium->readPanel(form.medium);
    w_.element->readPanel(form.element);
    w_.gas->readPanel(form.gas);
    form.extra.surface = w_.elementWindow->surface();
    form.extra.branchFlow = w_.flowWindow->Edit_abzwVolumenstrom->text().toStdString();
}

void FormBinder::show(const FormState& form) {
    w_.gas->showPanel(form.gas);
    w_.element->showPanel(form.element);
    w_.elementWindow->setSurface(form.extra.surface);
    setText(w_.flowWindow->Edit_abzwVolumenstrom, form.extra.branchFlow);
    setText(w_.flowWindow->Label_Einheit, form.extra.branchFlowUnit);
    w_.elementWindow->setVisible(form.extra.elementWindowVisible);
    w_.flowWindow->setVisible(form.extra.flowWindowVisible);
    // Last: the condition shows or hides the gas window as a click would.
    w_.medium->showPanel(form.medium);
}

}  // namespace tolvane
