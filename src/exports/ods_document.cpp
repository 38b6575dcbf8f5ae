#include "exports/ods_document.h"

#include "exports/stored_zip.h"

namespace tolvane::exports {

namespace {

constexpr const char* kMimeType = "application/vnd.oasis.opendocument.spreadsheet";

constexpr const char* kManifest =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
    "manifest:version=\"1.2\">\n"
    " <manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" "
    "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>\n"
    " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
    "</manifest:manifest>\n";

constexpr const char* kContentStart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<office:document-content"
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:of=\"urn:oasis:names:tc:opendocument:xmlns:of:1.2\""
    " office:version=\"1.2\">\n"
    "<office:automatic-styles>"
    "<style:style style:name=\"co1\" style:family=\"table-column\">"
    "<style:table-column-properties style:column-width=\"3.2cm\"/></style:style>"
    "<style:style style:name=\"heading\" style:family=\"table-cell\">"
    "<style:text-properties fo:font-weight=\"bold\"/></style:style>"
    "</office:automatic-styles>\n"
    "<office:body><office:spreadsheet>\n";

constexpr const char* kContentEnd =
    "</office:spreadsheet></office:body></office:document-content>\n";

// A paragraph's text: a run of blanks keeps its length through text:s (ODF
// collapses white space in paragraphs otherwise).
void appendParagraph(std::string& out, const std::string& text) {
    out += "<text:p>";
    const std::string escaped = xmlEscaped(text);
    for (std::size_t i = 0; i < escaped.size();) {
        if (escaped[i] != ' ') {
            out += escaped[i++];
            continue;
        }
        std::size_t run = escaped.find_first_not_of(' ', i);
        if (run == std::string::npos) run = escaped.size();
        std::size_t count = run - i;
        // One blank between words stays a blank; the rest become text:s.
        if (i > 0 && run < escaped.size()) {
            out += ' ';
            --count;
        }
        if (count == 1)
            out += "<text:s/>";
        else if (count > 1)
            out += "<text:s text:c=\"" + std::to_string(count) + "\"/>";
        i = run;
    }
    out += "</text:p>";
}

void appendCell(std::string& out, const SheetCell& cell, int column, std::size_t rows) {
    switch (cell.kind) {
        case SheetCell::Kind::Empty: out += "<table:table-cell/>"; return;
        case SheetCell::Kind::Text:
            out += "<table:table-cell office:value-type=\"string\">";
            appendParagraph(out, cell.text);
            break;
        case SheetCell::Kind::Number: {
            const std::string value = numberText(cell.number);
            out += "<table:table-cell office:value-type=\"float\" office:value=\"" + value + "\">";
            appendParagraph(out, cell.text.empty() ? value : cell.text);
            break;
        }
        case SheetCell::Kind::ColumnSum: {
            const std::string letters = columnLetters(column);
            const std::string value = numberText(cell.number);
            out += "<table:table-cell table:formula=\"of:=SUM([." + letters + "2:." + letters +
                   std::to_string(rows + 1) + "])\" office:value-type=\"float\" office:value=\"" +
                   value + "\">";
            appendParagraph(out, value);
            break;
        }
    }
    out += "</table:table-cell>";
}

void appendRow(std::string& out, const std::vector<SheetCell>& cells, std::size_t rows) {
    out += "<table:table-row>";
    for (std::size_t i = 0; i < cells.size(); ++i)
        appendCell(out, cells[i], static_cast<int>(i), rows);
    out += "</table:table-row>\n";
}

}  // namespace

std::string xmlEscaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') break;
                out += ch;
        }
    }
    return out;
}

std::string odsContent(const Sheet& sheet) {
    std::string out = kContentStart;
    out.reserve(out.size() + 48 * (sheet.rows.size() + 2) * (sheet.headings.size() + 1));
    out += "<table:table table:name=\"" + xmlEscaped(sheet.name) + "\">\n";
    if (!sheet.headings.empty())
        out += "<table:table-column table:style-name=\"co1\" table:number-columns-repeated=\"" +
               std::to_string(sheet.headings.size()) + "\"/>\n";
    out += "<table:table-row>";
    for (const std::string& heading : sheet.headings) {
        out += "<table:table-cell table:style-name=\"heading\" office:value-type=\"string\">";
        appendParagraph(out, heading);
        out += "</table:table-cell>";
    }
    out += "</table:table-row>\n";
    for (const auto& row : sheet.rows) appendRow(out, row, sheet.rows.size());
    if (!sheet.totalRow.empty()) appendRow(out, sheet.totalRow, sheet.rows.size());
    out += "</table:table>\n";
    out += kContentEnd;
    return out;
}

std::optional<std::string> odsPackage(const Sheet& sheet) {
    return storedZip({{"mimetype", kMimeType},
                      {"META-INF/manifest.xml", kManifest},
                      {"content.xml", odsContent(sheet)}});
}

}  // namespace tolvane::exports
