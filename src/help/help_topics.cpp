#include "help/help_topics.h"

#include "help/help_index.h"

namespace tolvane {

const std::vector<std::pair<std::string, HelpTopic>>& windowHelpTopics() {
    static const std::vector<std::pair<std::string, HelpTopic>> topics = {
        // F1 in the main window is Help > Index: the contents.
        {"TMyWindow", {"contents.html", ""}},
        {"TBtnBottomDlg", {"element_chooser.html", ""}},
        {"TGasdaten", {"additional_data.html", "gas_data"}},
        {"TZusatzElementfenster", {"additional_data.html", "bend_surface"}},
        {"TZusatzVolumenstromfenster", {"additional_data.html", "branch_flow"}},
        {"TEinstellungenDlg", {"settings.html", ""}},
        {"TSplashScreen", {"getting_started.html", ""}},
        {"TueberBox", {"main_window.html", "about"}},
        {"TAusgabe_Fenster", {"calculation_table.html", ""}},
        {"TZellbreiteDlg", {"calculation_table.html", "column_width"}},
        {"TKurzAnzeige", {"short_display.html", ""}},
        {"TChecksWindow", {"checks.html", ""}},
        {"TCheckLimitsDialog", {"checks.html", "limits"}},
        {"TWasser_Dialog", {"water.html", ""}},
        {"TLuftDialog", {"air.html", ""}},
        {"TLuftDialog2", {"air.html", "pressure"}},
        {"TSattdampfDialog", {"steam.html", ""}},
        {"TStoffwerteGaseNeu", {"gases.html", ""}},
        {"TSonstige_Gase2_Dialog", {"gases.html", "pressure"}},
        {"TMedienDialog", {"liquids.html", ""}},
        {"TBen_Daba_Dlg", {"user_database.html", "edit"}},
        {"TBen_Daba_Dlg2", {"user_database.html", "choose"}},
        {"TDaDruDialog", {"vapour_pressure.html", ""}},
        {"TRauDialog", {"roughness.html", ""}},
        {"TRauDatenbank", {"roughness.html", "table"}},
        {"TZetaDatenbank", {"zeta_database.html", ""}},
        {"TNennw_Fl_Dlg", {"economic_diameter.html", "liquid"}},
        {"TNennw_Ga_Dlg", {"economic_diameter.html", "gas"}},
        {"TAnlagenkennlinie_Dlg", {"plant_curve.html", ""}},
        {"TKurve", {"plant_curve.html", "diagram"}},
        {"TPumpEditor", {"pump_editor.html", ""}},
        {"TNPSHDialog", {"npsh.html", ""}},
        {"TFoerderhoehe_Dlg", {"pump_head.html", ""}},
        {"Tgeschw_v", {"velocity_flow.html", "velocity_to_flow"}},
        {"Tv_geschw", {"velocity_flow.html", "flow_to_velocity"}},
        {"TInhaltDlg", {"pipe_volume.html", ""}},
        {"PipeSizesDialog", {"pipe_sizes.html", ""}},
        {"TReportDialog", {"report.html", ""}},
        {"HelpWindow", {"contents.html", ""}},
        // Qt's own dialogs, by the object name the program gives them.
        {"PrintPreview", {"printing.html", ""}},
    };
    return topics;
}

const std::vector<std::pair<std::string, HelpTopic>>& menuHelpTopics() {
    auto at = [](const char* anchor) { return HelpTopic{"main_window.html", anchor}; };
    static const std::vector<std::pair<std::string, HelpTopic>> topics = {
        {"NewProject", at("new_project")},
        {"OpenProject", at("open_project")},
        {"SaveProject", at("save_project")},
        {"SaveProjectAs", at("save_project_as")},
        {"ExportTablePdf", at("export_pdf")},
        {"ExportTable", at("export_table")},
        {"CalculationReport", at("calculation_report")},
        {"Exit", at("exit")},
        {"RecentProject", at("recent_projects")},  // RecentProject1 ... RecentProject8
        {"EditUndo", at("undo")},
        {"EditRedo", at("undo")},
        {"EditCopy", at("edit")},
        {"EditPaste", at("edit")},
        {"EditDelete", at("edit")},
        {"SelectElement", at("select_element")},
        {"PropertiesWater", at("properties_water")},
        {"PropertiesFluids", at("properties_fluids")},
        {"PropertiesAir", at("properties_air")},
        {"PropertiesSteam", at("properties_steam")},
        {"PropertiesGases", at("properties_gases")},
        {"UserDatabase", at("user_database")},
        {"UserDatabaseEdit", at("user_database_edit")},
        {"PressureDrop", at("calculate")},
        {"EconomicLiquid", at("economic_liquid")},
        {"EconomicGas", at("economic_gas")},
        {"Head", at("head")},
        {"NPSH", at("npsh")},
        {"PipeVolume", at("pipe_volume")},
        {"VelocityToFlow", at("velocity_to_flow")},
        {"FlowToVelocity", at("flow_to_velocity")},
        {"PlantCharacteristic", at("plant_curve")},
        {"ViewTable", at("view_table")},
        {"ViewShortDisplay", at("view_short_display")},
        {"ViewChecks", at("view_checks")},
        {"PrintTable", at("print_table")},
        {"PrintTableCompact", at("print_table_compact")},
        {"ChangeFont", at("change_font")},
        {"ZoomIn", at("zoom")},
        {"ZoomOut", at("zoom")},
        {"ChangeColumnWidth", at("column_width")},
        {"FitAllColumns", at("fit_all_columns")},
        {"DeleteColumn", at("delete_column")},
        {"CopyToClipboard", at("copy_to_clipboard")},
        {"CopyToEditWindows", at("copy_to_edit_windows")},
        {"ReplaceColumn", at("replace_column")},
        {"RecalculateAll", at("recalculate_all")},
        {"PrintShortDisplay", at("print_short_display")},
        {"ZetaDatabase", at("zeta_database")},
        {"PipeSizes", at("pipe_sizes")},
        {"PumpEditor", at("pump_editor")},
        {"Settings", at("settings")},
        {"CheckLimits", at("check_limits")},
        {"HelpIndex", at("help_index")},
        {"About", at("about")},
    };
    return topics;
}

namespace {

std::optional<HelpTopic> find(const std::vector<std::pair<std::string, HelpTopic>>& table,
                              const std::string& key) {
    for (const auto& [name, topic] : table)
        if (name == key) return topic;
    return std::nullopt;
}

}  // namespace

std::optional<HelpTopic> helpTopicForWindow(const std::string& className) {
    const auto colons = className.rfind("::");
    return find(windowHelpTopics(),
                colons == std::string::npos ? className : className.substr(colons + 2));
}

std::optional<HelpTopic> helpTopicForMenuCommand(const std::string& actionName) {
    // The recent projects are numbered items of one command.
    const std::string recent = "RecentProject";
    if (actionName.size() > recent.size() && actionName.rfind(recent, 0) == 0 &&
        actionName.find_first_not_of("0123456789", recent.size()) == std::string::npos)
        return find(menuHelpTopics(), recent);
    return find(menuHelpTopics(), actionName);
}

HelpTopic helpTopicForElement(const std::string& variantName) {
    return {"elements/" + helpSlug(variantName) + ".html", ""};
}

}  // namespace tolvane
