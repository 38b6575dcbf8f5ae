// The calculation table printout with 1,000 calculations: laying out the
// columns (every element text measured in the printer's font), drawing one
// page, and drawing all of its pages as the print preview does. A page must
// take far less than a second, so that the preview of a long table does not
// freeze the window.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>

#include <memory>

#include "results/print_layout.h"
#include "results/widgets/print_object.h"

namespace tolvane {
namespace {

constexpr int kCalculations = 1000;

CalculationTable thousandColumns() {
    CalculationTable t;
    CalculationColumn c{};
    c[Row::Medium] = "Water/liq.";
    c[Row::RateOfFlow] = "10.000";
    c[Row::Density] = "998.200";
    c[Row::Viscosity] = "1002.000";
    c[Row::Specification] = "suction line";
    c[Row::Element] = "Circular bend/1";
    c[Row::Dimension1] = "Diameter of pipe D in mm: 50.000";
    c[Row::Dimension2] = "Radius R in mm: 100.000";
    c[Row::Dimension3] = "Angle w in degree: 90,000";
    c[Row::Field4] = " ";
    c[Row::Option] = "The surface of pipe is:  smooth";
    c[Row::Velocity] = "1.415";
    c[Row::Reynolds] = "70466";
    c[Row::Regime] = "turbulent";
    c[Row::Zeta] = "0.211";
    c[Row::PressureDrop] = "2.113";
    c[Row::PressureDropLarge] = "0.002";
    t.setCalculations(std::vector<CalculationColumn>(kCalculations, c));
    t.renumber();
    t.writeHeadings(OutputSystem::Metric, 3);
    return t;
}

struct PdfTarget {
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> pdf;
    PdfTarget() {
        buffer.open(QIODevice::WriteOnly);
        pdf = std::make_unique<QPdfWriter>(&buffer);
        pdf->setResolution(1200);
        pdf->setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    }
};

void BM_LayoutThousandColumns(benchmark::State& state) {
    const CalculationTable table = thousandColumns();
    PdfTarget target;
    TXPrint print(*target.pdf, tablePrintSetup("NONAME.TLV"));
    int pages = 0;
    for (auto _ : state) {
        pages = layoutTablePrint(table, print).pages;
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_LayoutThousandColumns)->Unit(benchmark::kMillisecond);

void BM_DrawOnePage(benchmark::State& state) {
    const CalculationTable table = thousandColumns();
    const PrintTexts texts{"NONAME.TLV", "1/2/27"};
    for (auto _ : state) {
        PdfTarget target;
        TXPrint print(*target.pdf, tablePrintSetup("NONAME.TLV"));
        printTable(table, texts, print, PageRange{50, 50});
    }
}
BENCHMARK(BM_DrawOnePage)->Unit(benchmark::kMillisecond);

void BM_DrawAllPages(benchmark::State& state) {
    const CalculationTable table = thousandColumns();
    const PrintTexts texts{"NONAME.TLV", "1/2/27"};
    int pages = 0;
    for (auto _ : state) {
        PdfTarget target;
        TXPrint print(*target.pdf, tablePrintSetup("NONAME.TLV"));
        printTable(table, texts, print);
        pages = print.pageNumber();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_DrawAllPages)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tolvane

// Fonts need the GUI application; no screen is needed.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
