// The surface the printouts draw on, as the print object offers it: one
// drawing unit is a tenth of a millimetre, the origin is the corner of the
// top and left margins, text is placed by the top left corner of its first
// character (not by its baseline), and font sizes are in points. The Qt
// print object implements it on a printer, a PDF writer or an image; the
// recording canvas keeps what was drawn, page by page, so the layout of a
// printout can be checked to the tenth of a millimetre without a printer.
#pragma once

#include <climits>
#include <string>
#include <vector>

namespace tolvane {

inline constexpr int kDrawingUnitsPerInch = 254;  // tenths of a millimetre

enum class PageOrientation { Portrait, Landscape };

// What a printout sets before the document begins.
struct PrintSetup {
    PageOrientation orientation = PageOrientation::Portrait;
    // Margins in drawing units, measured from the paper edge.
    int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0;
    std::string title;    // the job's name in the spooler, the PDF's title
    std::string pdfName;  // the file name a PDF of the printout is offered under
    std::string fontName = "Arial";
    int fontPoints = 10;
    bool operator==(const PrintSetup&) const = default;
};

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;
    // The area between the margins, in drawing units.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual void setFont(const std::string& name, int points, bool bold) = 0;
    // Advance width of `text` in the current font, in drawing units.
    virtual int textWidth(const std::string& text) = 0;
    virtual void text(int x, int y, const std::string& text) = 0;
    // Text cut at x + width (nothing of it drawn right of that).
    virtual void clippedText(int x, int y, const std::string& text, int width) = 0;
    virtual void line(int x1, int y1, int x2, int y2, int penWidth) = 0;
    virtual void newPage() = 0;
};

// Pages `first` to `last` (1-based) of a printout.
struct PageRange {
    int first = 1;
    int last = INT_MAX;
    bool contains(int page) const { return page >= first && page <= last; }
};

// Passes on only the drawing of the pages in `range`; the first page in the
// range goes onto the page the target has open.
class PageRangeCanvas : public PrintCanvas {
public:
    PageRangeCanvas(PrintCanvas& target, PageRange range) : target_(target), range_(range) {}
    int pageWidth() const override { return target_.pageWidth(); }
    int pageHeight() const override { return target_.pageHeight(); }
    void setFont(const std::string& name, int points, bool bold) override {
        target_.setFont(name, points, bold);
    }
    int textWidth(const std::string& text) override { return target_.textWidth(text); }
    void text(int x, int y, const std::string& text) override {
        if (range_.contains(page_)) target_.text(x, y, text);
    }
    void clippedText(int x, int y, const std::string& text, int width) override {
        if (range_.contains(page_)) target_.clippedText(x, y, text, width);
    }
    void line(int x1, int y1, int x2, int y2, int penWidth) override {
        if (range_.contains(page_)) target_.line(x1, y1, x2, y2, penWidth);
    }
    void newPage() override {
        ++page_;
        if (range_.contains(page_) && range_.contains(page_ - 1)) target_.newPage();
    }

private:
    PrintCanvas& target_;
    PageRange range_;
    int page_ = 1;
};

// Keeps every drawing operation, page by page. Text widths come from a fixed
// pitch: every character (byte) is `charWidth(points)` units wide, so tests
// can choose texts that give exact column widths.
class RecordingPrintCanvas : public PrintCanvas {
public:
    struct Text {
        int x, y;
        std::string text;
        std::string font;
        int points;
        bool bold;
        int clipWidth;  // -1: not clipped
    };
    struct Line {
        int x1, y1, x2, y2, penWidth;
    };
    struct Page {
        std::vector<Text> texts;
        std::vector<Line> lines;
    };

    RecordingPrintCanvas(int width, int height) : width_(width), height_(height) {}

    static int charWidth(int points) { return points * 2; }

    int pageWidth() const override { return width_; }
    int pageHeight() const override { return height_; }
    void setFont(const std::string& name, int points, bool bold) override {
        font_ = name;
        points_ = points;
        bold_ = bold;
    }
    int textWidth(const std::string& text) override {
        return static_cast<int>(text.size()) * charWidth(points_);
    }
    void text(int x, int y, const std::string& text) override {
        pages.back().texts.push_back({x, y, text, font_, points_, bold_, -1});
    }
    void clippedText(int x, int y, const std::string& text, int width) override {
        pages.back().texts.push_back({x, y, text, font_, points_, bold_, width});
    }
    void line(int x1, int y1, int x2, int y2, int penWidth) override {
        pages.back().lines.push_back({x1, y1, x2, y2, penWidth});
    }
    void newPage() override { pages.emplace_back(); }

    // The first text on `page` (0-based) that starts with `prefix`, or null.
    const Text* findText(std::size_t page, const std::string& prefix) const {
        if (page >= pages.size()) return nullptr;
        for (const Text& t : pages[page].texts)
            if (t.text.compare(0, prefix.size(), prefix) == 0) return &t;
        return nullptr;
    }

    std::vector<Page> pages{1};

private:
    int width_, height_;
    std::string font_ = "Arial";
    int points_ = 10;
    bool bold_ = false;
};

}  // namespace tolvane
