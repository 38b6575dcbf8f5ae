// TXPrint, the print object: the printouts' canvas on any Qt paint device (a
// printer, the print preview, a PDF writer, an image). It hides the
// device's resolution: callers draw in tenths of a millimetre from the
// corner of the top and left margins and give font sizes in points. The
// device's painting area must be the whole sheet (a QPrinter in full-page
// mode, a QPdfWriter without margins, an image), so that the margins are
// measured from the paper edge.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include "results/print_canvas.h"

class QPaintDevice;

namespace tolvane {

class TXPrint : public PrintCanvas {
public:
    // Begins the document: reads the device's size and resolution, works out
    // the page between the margins and opens a painter on the device.
    TXPrint(QPaintDevice& device, const PrintSetup& setup);
    // Ends the document.
    ~TXPrint() override;
    TXPrint(const TXPrint&) = delete;
    TXPrint& operator=(const TXPrint&) = delete;

    bool isActive() const { return painter_.isActive(); }
    int pageWidth() const override { return pageWidth_; }
    int pageHeight() const override { return pageHeight_; }
    void setFont(const std::string& name, int points, bool bold) override;
    int textWidth(const std::string& text) override;
    void text(int x, int y, const std::string& text) override;
    void clippedText(int x, int y, const std::string& text, int width) override;
    void line(int x1, int y1, int x2, int y2, int penWidth) override;
    void newPage() override;

    int pageNumber() const { return page_; }
    const QFont& font() const { return font_; }
    // Device pixels of a point given in drawing units.
    QPointF toDevice(int x, int y) const;
    double pixelsPerUnitX() const { return dpiX_ / kDrawingUnitsPerInch; }
    double pixelsPerUnitY() const { return dpiY_ / kDrawingUnitsPerInch; }

private:
    void end();

    QPaintDevice& device_;
    QPainter painter_;
    QFont font_;
    QFontMetricsF metrics_;  // of font_ on the device
    double dpiX_ = 300, dpiY_ = 300;
    int leftPixels_ = 0, topPixels_ = 0;
    int pageWidth_ = 0, pageHeight_ = 0;
    int page_ = 1;
};

}  // namespace tolvane
