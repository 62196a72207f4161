// hlpwriter SOURCE OUTPUT: writes the help file OUTPUT from the text source,
// a .hlp file for the help viewer or, when OUTPUT ends in .html, a web page.
#include "HelpSource.h"
#include "HelpWriter.h"
#include "HtmlWriter.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: hlpwriter SOURCE.txt OUTPUT.hlp|OUTPUT.html\n";
        return 2;
    }
    const std::string sourcePath = argv[1];
    const std::string outputPath = argv[2];

    std::ifstream in(sourcePath, std::ios::binary);
    if (!in) {
        std::cerr << sourcePath << ": cannot be read\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();

    const hlp::ParseResult parsed = hlp::ParseHelpSource(text.str());
    for (const hlp::SourceError& error : parsed.errors)
        std::cerr << sourcePath << ":" << error.line << ": " << error.message << "\n";
    if (!parsed.errors.empty())
        return 1;

    try {
        const bool html = outputPath.size() > 5 && outputPath.substr(outputPath.size() - 5) == ".html";
        std::string bytes;
        if (html) {
            bytes = hlp::WriteHelpHtml(parsed.document);
        } else {
            const std::vector<std::uint8_t> file = hlp::WriteHelpFile(parsed.document);
            bytes.assign(file.begin(), file.end());
        }
        // Write beside the target and rename, so a failed run leaves no half file.
        const std::string temporary = outputPath + ".tmp";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            if (!out.flush()) {
                std::cerr << temporary << ": cannot be written\n";
                return 1;
            }
        }
        if (std::rename(temporary.c_str(), outputPath.c_str()) != 0) {
            std::cerr << outputPath << ": cannot be replaced\n";
            std::remove(temporary.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << sourcePath << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
