#include "Bytes.h"
#include "InternalFiles.h"

namespace hlp {
namespace {

void Record(Bytes& out, unsigned type, const std::vector<std::uint8_t>& data)
{
    out.U16(type);
    out.U16(static_cast<unsigned>(data.size()));
    out.Raw(data);
}

}  // namespace

std::vector<std::uint8_t> BuildSystemFile(const HelpDocument& document, std::uint32_t contentsOffset)
{
    Bytes out;
    out.U16(0x036C);  // magic
    out.U16(21);  // minor version: the 3.1 layout
    out.U16(1);  // major version
    out.U32(0);  // build date: left out, so that a build is reproducible
    out.U16(4);  // topic blocks of 4 KiB in the compressed layout

    Bytes title;
    title.String(document.title);
    Record(out, 1, title.Data());

    Bytes contents;
    contents.U32(contentsOffset);
    Record(out, 3, contents.Data());

    // The window called "main" is the one the viewer opens first; only its
    // name and caption are given, the viewer chooses place and size.
    Bytes window;
    window.U16(0x0002 | 0x0004);  // name and caption present
    window.Field("", 10);  // type
    window.Field("main", 9);  // name
    window.Field(document.title, 51);  // caption
    window.Zeros(10);  // x, y, width, height, maximize
    window.Zeros(8);  // colours of the two regions
    Record(out, 6, window.Data());

    Bytes charset;
    charset.U8(238);  // EASTEUROPE_CHARSET: the texts are Windows-1250
    Record(out, 11, charset.Data());
    return out.Take();
}

}  // namespace hlp
