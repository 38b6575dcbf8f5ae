#include "shell/widgets/plant_curve_action.h"

#include <QApplication>

#include "shell/diagram_texts.h"
#include "shell/plant_curve_command.h"
#include "shell/table_opinion.h"
#include "shell/widgets/main_menu.h"
#include "shell/widgets/main_window.h"
#include "tools/curve_diagram.h"
#include "tools/widgets/curve_diagram_window.h"
#include "tools/widgets/plant_curve_dialog.h"

namespace tolvane {

namespace {

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
    window.menu()->setAvailable(window.menu()->plantCharacteristic);
}

void PlantCurveAction::run() {
    window_.readForm();
    if (!MayOpenPlantCurve(window_.session(), services_.messages)) return;
    dialog_->exec();
    std::optional<PlantCurve> curve = dialog_->takeCurve();
    if (!curve) return;
    diagram_->setPrintService(window_.printService());
    // The published methods' band, where every column has a value at every point.
    std::vector<BandPoint> band =
        plantCurveBand(window_.session(), *curve).value_or(std::vector<BandPoint>{});
    diagram_->showCurve(makeCurveDiagram(std::move(*curve), std::move(band)),
                        curveDiagramTexts(window_.session()));
    diagram_->exec();
}

}  // namespace tolvane
