#include "tools/widgets/curve_diagram_window.h"

#include <algorithm>

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "tools/widgets/curve_diagram_file.h"
#include "tools/widgets/curve_painter.h"
#include "tools/widgets/named_controls.h"

namespace tolvane {

namespace {

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QFrame* panel(const char* name, QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setFrameShape(QFrame::StyledPanel);
    return f;
}

}  // namespace

CurvePaintBox::CurvePaintBox(const CurveDiagram& diagram, QWidget* parent)
    : QWidget(parent), diagram_(diagram) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMinimumSize(240, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CurvePaintBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintCurveDiagram(p, QSizeF(size()), diagram_, font());
}

TKurve::TKurve(MessageSink& messages, Clipboard& clipboard, FileDialogs& files, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      messages_(messages),
      clipboard_(clipboard),
      files_(files) {
    setObjectName(QStringLiteral("TKurve"));
    setWindowTitle(QStringLiteral("Pressure drop = f (Rate of flow)"));
    setSizeGripEnabled(true);

    Panel2 = panel("Panel2", this);
    Label1 = namedLabel(Panel2, "Label1", QStringLiteral("Flow medium:"));
    Label_Medium = namedLabel(Panel2, "Label_Medium", QString());
    Label3 = namedLabel(Panel2, "Label3", QString());
    Label5 = namedLabel(Panel2, "Label5", QString());
    Label2 = namedLabel(Panel2, "Label2", QStringLiteral("Condition:"));
    Label_Aggregat = namedLabel(Panel2, "Label_Aggregat", QString());
    QFont bold = Label_Medium->font();
    bold.setBold(true);
    Label_Medium->setFont(bold);
    auto* top = new QGridLayout(Panel2);
    top->addWidget(Label1, 0, 0);
    top->addWidget(Label_Medium, 0, 1);
    top->addWidget(Label3, 0, 2);
    top->addWidget(Label2, 1, 0);
    top->addWidget(Label_Aggregat, 1, 1);
    top->addWidget(Label5, 1, 2);
    top->setColumnStretch(1, 1);
    top->setColumnStretch(2, 2);
    top->setHorizontalSpacing(12);

    PaintBox1 = new CurvePaintBox(diagram_, this);

    Panel1 = panel("Panel1", this);
    BitBtn1 = button("BitBtn1", QStringLiteral("&OK"), Panel1);
    BitBtn1->setDefault(true);
    BitBtn2 = button("BitBtn2", QStringLiteral("&Print diagram"), Panel1);
    BitBtn3 = button("BitBtn3", QStringLiteral("&Copy data"), Panel1);
    SaveDiagramBtn = button("SaveDiagramBtn", QStringLiteral("&Save diagram..."), Panel1);
    SaveDiagramBtn->setToolTip(QStringLiteral("Save the diagram as a PNG, SVG or PDF file"));
    auto* bottom = new QHBoxLayout(Panel1);
    bottom->addWidget(BitBtn1);
    bottom->addStretch();
    bottom->addWidget(BitBtn2);
    bottom->addWidget(BitBtn3);
    bottom->addWidget(SaveDiagramBtn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(Panel2);
    Label_Pump = namedLabel(this, "Label_Pump", QString());
    Label_Pump->setTextFormat(Qt::PlainText);
    Label_Pump->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label_Pump->setWordWrap(true);
    Label_Pump->setFixedWidth(220);
    Label_Pump->hide();
    auto* middle = new QHBoxLayout;
    middle->addWidget(PaintBox1, 1);
    middle->addWidget(Label_Pump);
    layout->addLayout(middle, 1);
    layout->addWidget(Panel1);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &TKurve::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TKurve::BitBtn3Click);
    connect(SaveDiagramBtn, &QPushButton::clicked, this, &TKurve::SaveDiagramClick);
    BitBtn2->setEnabled(false);
    resize(720, 520);
}

// The first time, centred over the main window and wholly on its screen, the
// title bar included; afterwards where the user left it.
void TKurve::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_) return;
    placed_ = true;
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // Room for a title bar that is not known before the window manager framed it.
    const int titleBar = std::max(30, frameGeometry().height() - height());
    resize(size().boundedTo(area.size() - QSize(0, titleBar)));
    // Placed by its inner rectangle: before the window manager framed it, a
    // move places the inside of the window, so the title bar needs room above.
    QRect target(QPoint(0, 0), size());
    target.moveCenter(owner ? owner->frameGeometry().center() : area.center());
    target.moveLeft(std::clamp(target.left(), area.left(),
                               std::max(area.left(), area.right() + 1 - target.width())));
    target.moveTop(
        std::clamp(target.top(), area.top() + titleBar,
                   std::max(area.top() + titleBar, area.bottom() + 1 - target.height())));
    move(target.topLeft());
}

void TKurve::setPrintService(PrintService* printer) {
    printer_ = printer;
    BitBtn2->setEnabled(printer_ != nullptr);
}

void TKurve::showCurve(CurveDiagram diagram, DiagramTexts texts) {
    diagram_ = std::move(diagram);
    texts_ = std::move(texts);
    const DiagramMedium& m = texts_.medium;
    Label_Medium->setText(QString::fromStdString(m.name));
    Label3->setText(QString::fromStdString(densityLabel(m)));
    Label5->setText(QString::fromStdString(viscosityLabel(m)));
    Label_Aggregat->setText(QString::fromStdString(conditionText(m)));
    std::string text;
    if (diagram_.pump) {
        for (const std::string& line :
             operatingPointLines(diagram_.pump->overlay, diagram_.curve.flowUnitText))
            text += line + "\n";
        for (const std::string& w : diagram_.pump->overlay.warnings) text += "\n" + w + "\n";
    }
    Label_Pump->setText(QString::fromStdString(text));
    Label_Pump->setVisible(diagram_.pump && !Label_Pump->text().isEmpty());
    PaintBox1->update();
}

void TKurve::BitBtn2Click() {
    if (!printer_) return;
    const CurveDiagram& d = diagram_;
    const DiagramTexts& t = texts_;
    const PrintOutcome outcome =
        printer_->preview(curvePrintSetup(t), [&d, &t](PrintCanvas& canvas, PageRange range) {
            if (range.contains(1)) printCurveDiagram(d, t, canvas);
        });
    // Printed, the diagram has done its work; cancelled or written to a PDF
    // it stays open.
    if (outcome == PrintOutcome::Printed) accept();
}

void TKurve::BitBtn3Click() {
    std::string text = curveClipboardText(diagram_.curve, diagram_.pressure.unit);
    if (diagram_.pump) text += pumpClipboardText(diagram_.pump->overlay, diagram_.curve);
    clipboard_.setText(text);
}

void TKurve::SaveDiagramClick() {
    const auto path =
        files_.saveFile(kDiagramFileFilter, "png", diagramFileSuggestion(texts_.caption));
    if (!path) return;
    const std::string title = "Tolvane " + texts_.caption + " - Pressure drop = f (Rate of flow)";
    if (const auto failure = writeCurveDiagramFile(
            *path, diagram_, PaintBox1->size() + QSize(0, PaintBox1->fontMetrics().height() + 8),
            PaintBox1->font(), diagramHeading(texts_.medium), title))
        messages_.show(MessageType::Error, fileNotWrittenMessage(*path, *failure));
}

}  // namespace tolvane
