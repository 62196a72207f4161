#include "Bytes.h"
#include "InternalFiles.h"

namespace hlp {

std::vector<std::uint8_t> BuildFontFile()
{
    constexpr unsigned kFaceSize = 32;
    constexpr unsigned kHeaderSize = 8;  // the short header of the 3.1 layout
    struct Descriptor {
        std::uint8_t flags;  // 1 bold
        std::uint8_t halfPoints;
        std::uint8_t red, green, blue;
    };
    // In the order of FontNumber.
    constexpr Descriptor kFonts[] = {
        {0, 20, 0, 0, 0},  // text, 10 pt
        {1, 28, 0, 0, 128},  // topic heading, 14 pt bold, dark blue
        {1, 22, 0, 0, 128},  // subheading, 11 pt bold
    };

    Bytes out;
    out.U16(1);  // face names
    out.U16(static_cast<unsigned>(std::size(kFonts)));
    out.U16(kHeaderSize);
    out.U16(kHeaderSize + kFaceSize);
    // Tahoma has the Central European letters both on Windows and in Wine.
    out.Field("Tahoma", kFaceSize);
    for (const Descriptor& font : kFonts) {
        out.U8(font.flags);
        out.U8(font.halfPoints);
        out.U8(0x03);  // family: swiss
        out.U16(0);  // face name number
        out.U8(font.red);
        out.U8(font.green);
        out.U8(font.blue);
        out.U8(255);  // background: white
        out.U8(255);
        out.U8(255);
    }
    return out.Take();
}

}  // namespace hlp
