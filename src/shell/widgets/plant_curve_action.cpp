#include "shell/widgets/plant_curve_action.h"

#include <QAction>
#include <QApplication>

#include <filesystem>

#include <QSettings>

#include "shell/app_paths.h"
#include "shell/diameter_carry.h"
#include "shell/npsh_margin_option.h"
#include "shell/widgets/qt_platform.h"
#include "shell/diagram_texts.h"
#include "shell/plant_curve_command.h"
#include "shell/table_opinion.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "tools/curve_diagram.h"
#include "tools/widgets/curve_diagram_window.h"
#include "tools/widgets/plant_curve_dialog.h"
#include "tools/pump_file.h"
#include "tools/widgets/pump_editor_window.h"

namespace tolvane {

namespace {

// The margin rule from the options file; a value that does not read, or a
// negative one, leaves the default.
NpshMarginRule npshMarginOption() {
    NpshMarginRule rule;
    const std::string settings = settingsFilePath();
    if (settings.empty()) return rule;
    const QSettings file(QString::fromStdString(optionsFilePath(settings)), QSettings::IniFormat);
    bool ok = false;
    const double minimum = file.value(kNpshMarginMinimumKey, rule.minimum).toDouble(&ok);
    if (ok && minimum >= 0.0) rule.minimum = minimum;
    const double share = file.value(kNpshMarginShareKey, rule.share).toDouble(&ok);
    if (ok && share >= 0.0) rule.share = share;
    return rule;
}

// A pump file chosen in `folder`: the desktop's file dialogs open in the
// project's folder, so theirs is changed for this one dialog.
std::optional<std::string> openPumpIn(FileDialogs& files, const std::string& folder) {
    auto* desktop = dynamic_cast<QtFileDialogs*>(&files);
    if (!desktop) return files.openFile(kPumpFileFilter, "tpump");
    const auto usual = desktop->startFolder;
    desktop->startFolder = [folder] { return folder; };
    auto path = files.openFile(kPumpFileFilter, "tpump");
    desktop->startFolder = usual;
    return path;
}

// The busy cursor while the curve is computed; a message of the computation
// is shown with the normal cursor.
class BusyWhileComputing : public MessageSink {
public:
    explicit BusyWhileComputing(MessageSink& messages) : messages_(messages) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyWhileComputing() override { idle(); }
    BusyWhileComputing(const BusyWhileComputing&) = delete;
    BusyWhileComputing& operator=(const BusyWhileComputing&) = delete;

    void show(MessageType type, const std::string& text) override {
        idle();
        messages_.show(type, text);
    }
    Answer ask(const std::string& title, const std::string& text, QuestionButtons buttons,
               Answer defaultButton) override {
        idle();
        return messages_.ask(title, text, buttons, defaultButton);
    }

private:
    void idle() {
        if (busy_) QApplication::restoreOverrideCursor();
        busy_ = false;
    }
    MessageSink& messages_;
    bool busy_ = true;
};

}  // namespace

PlantCurveAction::PlantCurveAction(TMyWindow& window, PlatformServices services)
    : QObject(&window), window_(window), services_(services) {
    dialog_ = new TAnlagenkennlinie_Dlg(&window);
    diagram_ = new TKurve(services_.messages, services_.clipboard, services_.files, &window);
    dialog_->setComputation([this](const PlantCurveRequest& request) {
        BusyWhileComputing messages(services_.messages);
        return RunPlantCurve(window_.session(), request, messages);
    });
    dialog_->setPumpReading([this](const PumpRequest& request) {
        return readPumpRequest(request, npshMarginOption(), services_.messages);
    });
    // The example pumps' folder beside the data files.
    const std::string pumps = std::filesystem::path(dataFilePath("pumps")).string();
    dialog_->setPumpOpener([this, pumps] { return openPumpIn(services_.files, pumps); });
    editor_ = new TPumpEditor(services_.messages, services_.clipboard, services_.files, &window);
    editor_->setOpener([this, pumps] { return openPumpIn(services_.files, pumps); });
    connect(dialog_, &TAnlagenkennlinie_Dlg::pumpEditorRequested, this, [this] {
        const std::string chosen = dialog_->pumpRequest().pumpFile;
        if (!chosen.empty() && chosen != editor_->path()) editor_->openPath(chosen);
        editPump();
    });
    connect(editor_, &TPumpEditor::saved, dialog_,
            [this](const QString& path) { dialog_->setPumpFile(path.toStdString()); });
    connect(window.menu()->pumpEditor, &QAction::triggered, this, &PlantCurveAction::editPump);
    window.menu()->setAvailable(window.menu()->pumpEditor);
    window.menu()->setAvailable(window.menu()->plantCharacteristic);
}

void PlantCurveAction::editPump() { editor_->exec(); }

void PlantCurveAction::run() {
    window_.readForm();
    if (!MayOpenPlantCurve(window_.session(), services_.messages)) return;
    dialog_->exec();
    std::optional<PlantCurve> curve = dialog_->takeCurve();
    if (!curve) return;
    diagram_->setPrintService(window_.printService());
    std::optional<PumpOverlay> overlay;
    if (const auto& pump = dialog_->pumpSelection())
        overlay = RunPumpOverlay(window_.session(), dialog_->request(), *pump, *curve);
    // The published methods' band, where every column has a value at every point.
    std::vector<BandPoint> band =
        plantCurveBand(window_.session(), *curve).value_or(std::vector<BandPoint>{});
    CurveDiagram diagram = makeCurveDiagram(std::move(*curve), std::move(band));
    if (overlay) {
        // One message for all: why there is no operating point, the band, NPSH.
        std::string text;
        for (const std::string& w : overlay->warnings) text += (text.empty() ? "" : "\r\r") + w;
        if (!text.empty()) services_.messages.show(MessageType::Warning, text);
        diagram.pump = makePumpDiagram(std::move(*overlay), diagram.curve, diagram.flow,
                                       dialog_->quantity(), diagram.pressure.unit,
                                       diagram.pressure.factor);
    }
    diagram_->showCurve(std::move(diagram), curveDiagramTexts(window_.session()));
    diagram_->exec();
}

}  // namespace tolvane
