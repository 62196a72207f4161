// hlpwriter SOURCE OUTPUT: writes the help file OUTPUT from the text source.
#include "HelpSource.h"
#include "HelpWriter.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: hlpwriter SOURCE.txt OUTPUT.hlp\n";
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
        const std::vector<std::uint8_t> bytes = hlp::WriteHelpFile(parsed.document);
        // Write beside the target and rename, so a failed run leaves no half file.
        const std::string temporary = outputPath + ".tmp";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(
                reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
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
