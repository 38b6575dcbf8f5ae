#include "shell/widgets/pipe_sizes_action.h"

#include <QAction>
#include <QLineEdit>

#include "properties/pipe_sizes.h"
#include "properties/widgets/pipe_sizes_dialog.h"
#include "shell/app_paths.h"
#include "shell/pipe_size_hand_back.h"
#include "shell/widgets/element_panel_widget.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"

namespace tolvane {

namespace {

PipeSizesDialog* makeDialog(QWidget* parent) {
    PipeSizesRead read = readPipeSizesFile(dataFilePath(kPipeSizesFileName));
    return new PipeSizesDialog(std::move(read.table), read.faults, parent);
}

int firstDiameterRow(const ElementPanel& panel) {
    for (std::size_t r = 0; r < panel.rows.size(); ++r)
        if (isPipeDiameterRow(panel.rows[r])) return static_cast<int>(r);
    return -1;
}

}  // namespace

PipeSizesAction::PipeSizesAction(TMyWindow& window)
    : QObject(&window), window_(window), dialog_(makeDialog(&window)) {
    connect(window.elementPanel(), &ElementPanelWidget::pipeSizesRequested, this,
            &PipeSizesAction::open);
    MainMenu& menu = *window.menu();
    connect(menu.pipeSizes, &QAction::triggered, this, [this] { open(-1); });
    menu.setAvailable(menu.pipeSizes);
}

void PipeSizesAction::open(int row) {
    window_.readForm();
    const int target = row >= 0 ? row : firstDiameterRow(window_.session().form.element);
    const bool fillable =
        target >= 0 &&
        isPipeDiameterRow(window_.session().form.element.rows[static_cast<std::size_t>(target)]);
    dialog_->setCopyEnabled(fillable);
    if (dialog_->exec() != QDialog::Accepted || !fillable) return;
    const auto inside = dialog_->chosenInsideMm();
    if (!inside) return;
    window_.readForm();
    if (!copyInsideDiameterToElement(window_.session().form, target, *inside,
                                     window_.session().settings.decimals))
        return;
    window_.showForm();
    window_.focusField("Va" + std::to_string(target + 1) + "_Edit");
}

}  // namespace tolvane
