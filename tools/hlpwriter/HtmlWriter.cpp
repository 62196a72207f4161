#include "HtmlWriter.h"

#include "Cp1250.h"

namespace hlp {
namespace {

std::string Escaped(std::string_view cp1250)
{
    std::string out;
    for (const char c : DecodeCp1250(cp1250)) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Spans(const Paragraph& paragraph)
{
    std::string out;
    // The item's bullet is drawn by the list itself.
    const std::size_t first = paragraph.kind == ParagraphKind::Bullet ? 1 : 0;
    for (std::size_t i = first; i < paragraph.spans.size(); ++i) {
        const Span& span = paragraph.spans[i];
        if (span.target.empty())
            out += Escaped(span.text);
        else
            out += "<a href=\"#" + LowerCase(span.target) + "\">" + Escaped(span.text) + "</a>";
    }
    return out;
}

const char kStyle[] = "body{font-family:sans-serif;max-width:46em;margin:1em auto;padding:0 1em;"
                      "line-height:1.4}\n"
                      "section{border-bottom:1px solid #ccc;padding-bottom:1em}\n"
                      "h1{font-size:1.4em}h2{font-size:1.1em}a{color:#008000}\n";

}  // namespace

std::string WriteHelpHtml(const HelpDocument& document)
{
    std::string html = "<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
        + Escaped(document.title) + "</title>\n<style>\n" + kStyle + "</style>\n</head>\n<body>\n";
    for (const Topic& topic : document.topics) {
        html += "<section id=\"" + LowerCase(topic.id) + "\">\n";
        bool inList = false;
        for (const Paragraph& paragraph : topic.paragraphs) {
            const bool item = paragraph.kind == ParagraphKind::Bullet;
            if (item != inList)
                html += item ? "<ul>\n" : "</ul>\n";
            inList = item;
            switch (paragraph.kind) {
            case ParagraphKind::Heading: html += "<h1>" + Spans(paragraph) + "</h1>\n"; break;
            case ParagraphKind::Subheading: html += "<h2>" + Spans(paragraph) + "</h2>\n"; break;
            case ParagraphKind::Text: html += "<p>" + Spans(paragraph) + "</p>\n"; break;
            case ParagraphKind::Bullet: html += "<li>" + Spans(paragraph) + "</li>\n"; break;
            }
        }
        if (inList)
            html += "</ul>\n";
        html += "</section>\n";
    }
    return html + "</body>\n</html>\n";
}

}  // namespace hlp
