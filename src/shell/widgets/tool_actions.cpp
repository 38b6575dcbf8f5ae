#include "shell/widgets/tool_actions.h"

#include <QAction>

#include "properties/widgets/vapour_pressure_dialog.h"
#include "shell/app_paths.h"
#include "shell/plant_curve_command.h"
#include "shell/tool_hand_back.h"
#include "shell/tool_presets.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "tools/widgets/economic_diameter_gas_dialog.h"
#include "tools/widgets/economic_diameter_liquid_dialog.h"
#include "tools/widgets/flow_to_velocity_dialog.h"
#include "tools/widgets/npsh_dialog.h"
#include "tools/widgets/pipe_volume_dialog.h"
#include "tools/widgets/pump_head_dialog.h"
#include "tools/widgets/velocity_to_flow_dialog.h"

namespace tolvane {

ToolActions::ToolActions(TMyWindow& window, PlatformServices services)
    : QObject(&window), window_(window), services_(services) {
    MessageSink& messages = services_.messages;
    liquid_ = new TNennw_Fl_Dlg(messages, &window);
    gas_ = new TNennw_Ga_Dlg(messages, &window);
    npsh_ = new TNPSHDialog(messages, &window);
    head_ = new TFoerderhoehe_Dlg(messages, &window);
    flowToVelocity_ = new Tv_geschw(messages, &window);
    velocityToFlow_ = new Tgeschw_v(messages, &window);
    volume_ = new TInhaltDlg(window.session().table, variantLookup(), messages, &window);

    // NPSH's "&Database": the vapour-pressure database, whose copy buttons
    // fill the NPSH fields.
    vapourPressure_ = new TDaDruDialog(dataFilePath("DADRU.DAD"), messages, npsh_);
    connect(npsh_, &TNPSHDialog::databaseRequested, vapourPressure_, &TDaDruDialog::exec);
    connect(vapourPressure_, &TDaDruDialog::vapourPressureAndDensityCopied, npsh_,
            [this](const QString& bar, const QString& kgPerM3) {
                npsh_->setVapourPressureBar(bar);
                npsh_->setDensityKgPerCubicMetre(kgPerM3);
            });
    connect(vapourPressure_, &TDaDruDialog::vapourPressureCopied, npsh_,
            &TNPSHDialog::setVapourPressureBar);
    connect(vapourPressure_, &TDaDruDialog::densityCopied, npsh_,
            &TNPSHDialog::setDensityKgPerCubicMetre);

    npsh_->setSuctionLineDrop([this](int first, int last) {
        return SuctionLineDropAt(window_.session(), first, last);
    });

    MainMenu& m = *window.menu();
    const std::pair<QAction*, void (ToolActions::*)()> items[] = {
        {m.economicDiameterLiquid, &ToolActions::economicDiameterLiquidClick},
        {m.economicDiameterGas, &ToolActions::economicDiameterGasClick},
        {m.head, &ToolActions::headClick},
        {m.npsh, &ToolActions::npshClick},
        {m.pipeVolume, &ToolActions::pipeVolumeClick},
        {m.velocityToRateOfFlow, &ToolActions::velocityToRateOfFlowClick},
        {m.rateOfFlowToVelocity, &ToolActions::rateOfFlowToVelocityClick},
    };
    for (auto [action, slot] : items) {
        connect(action, &QAction::triggered, this, slot);
        m.setAvailable(action);
    }
    // The pipe volume needs calculations in the table.
    m.updateCalculateMenu(MenuContext{});
}

void ToolActions::economicDiameterLiquidClick() {
    window_.readForm();
    liquid_->preset(economicDiameterPresetOf(window_.session(), false));
    liquid_->exec();
}

void ToolActions::economicDiameterGasClick() {
    window_.readForm();
    gas_->preset(economicDiameterPresetOf(window_.session(), true));
    gas_->exec();
}

void ToolActions::npshClick() {
    window_.readForm();
    npsh_->preset(npshPresetOf(window_.session()));
    npsh_->exec();
}

void ToolActions::headClick() {
    window_.readForm();
    head_->preset(pumpHeadPresetOf(window_.session()));
    head_->exec();
}

void ToolActions::rateOfFlowToVelocityClick() {
    window_.readForm();
    flowToVelocity_->preset(velocityFlowPresetOf(window_.session()));
    flowToVelocity_->exec();
}

void ToolActions::velocityToRateOfFlowClick() {
    window_.readForm();
    velocityToFlow_->preset(velocityFlowPresetOf(window_.session()));
    if (velocityToFlow_->exec() != QDialog::Accepted) return;
    copyRateOfFlowToMedium(window_.session().form, velocityToFlow_->keptRateOfFlow());
    window_.showForm();
}

void ToolActions::pipeVolumeClick() {
    const Session& s = window_.session();
    if (!s.table.hasValues()) return;
    volume_->preset(pipeVolumePresetOf(s), s.settings.output);
    volume_->exec();
}

}  // namespace tolvane
