// The bytes of a saved game.
#include "SavedGameCodec.h"

namespace {

constexpr uint8_t kMagic[3] = {'H', 'R', 'A'};
constexpr uint8_t kVersion[2] = {0x06, 0x01};

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(v >> shift));
}

// Reads little-endian 32-bit values from the logical stream, remembering
// whether it ran past the end.
class Reader {
public:
    explicit Reader(const std::vector<uint8_t>& bytes, size_t at) : bytes_(bytes), at_(at) { }
    uint32_t U32()
    {
        if (Left() < 4) {
            short_ = true;
            return 0;
        }
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | bytes_[at_ + i];
        at_ += 4;
        return v;
    }
    int32_t I32() { return int32_t(U32()); }
    bool Short() const { return short_; }
    size_t Left() const { return bytes_.size() - at_; }

private:
    const std::vector<uint8_t>& bytes_;
    size_t at_;
    bool short_ = false;
};

LoadResult Refuse(Refusal refusal, std::string reason)
{
    LoadResult r;
    r.refusal = refusal;
    r.reason = std::move(reason);
    return r;
}

}  // namespace

std::vector<uint8_t> EncodeSavedGame(const SavedGame& g)
{
    std::vector<uint8_t> out;
    out.reserve(kSavedGameHeaderSize + 16 * g.record.size());
    for (uint8_t b : kMagic)
        out.push_back(b);
    for (uint8_t b : kVersion)
        out.push_back(b);
    for (uint32_t v : {g.width, g.height, uint32_t(g.currentTurn), uint32_t(g.lastTurn),
             uint32_t(g.lastHasHuman), uint32_t(g.lastHasReply), uint32_t(g.clock), g.view.scrollX,
             g.view.scrollY, g.view.visibleCols, g.view.visibleRows})
        Put32(out, v);
    for (const TurnRecord& t : g.record)
        for (uint32_t v : {t.humanX, t.humanY, t.replyX, t.replyY})
            Put32(out, v);
    return out;
}

std::vector<uint8_t> ToStoredForm(const std::vector<uint8_t>& logical)
{
    std::vector<uint8_t> stored;
    stored.reserve(logical.size() + logical.size() / 16);
    for (uint8_t b : logical) {
        if (b == 0x0A)
            stored.push_back(0x0D);
        stored.push_back(b);
    }
    return stored;
}

std::vector<uint8_t> FromStoredForm(const std::vector<uint8_t>& stored)
{
    std::vector<uint8_t> logical;
    logical.reserve(stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == 0x0D && i + 1 < stored.size() && stored[i + 1] == 0x0A)
            continue;  // the 0x0A that follows stands for both
        logical.push_back(stored[i]);
    }
    return logical;
}

LoadResult DecodeSavedGame(const std::vector<uint8_t>& stored)
{
    const std::vector<uint8_t> bytes = FromStoredForm(stored);
    if (bytes.size() < 3 || bytes[0] != kMagic[0] || bytes[1] != kMagic[1] || bytes[2] != kMagic[2])
        return Refuse(Refusal::NotSavedGame, "no HRA magic");
    if (bytes.size() < 5 || bytes[3] != kVersion[0] || bytes[4] != kVersion[1])
        return Refuse(Refusal::OtherVersion, "version bytes are not 06 01");

    Reader in(bytes, 5);
    SavedGame g;
    g.width = in.U32();
    g.height = in.U32();
    g.currentTurn = in.I32();
    g.lastTurn = in.I32();
    g.lastHasHuman = in.I32();
    g.lastHasReply = in.I32();
    g.clock = in.I32();
    g.view.scrollX = in.U32();
    g.view.scrollY = in.U32();
    g.view.visibleCols = in.U32();
    g.view.visibleRows = in.U32();
    if (in.Short())
        return Refuse(Refusal::NotSavedGame, "the header is cut short");

    // The header is checked before its turn count decides how much to read.
    if (std::string problem = HeaderProblem(g); !problem.empty())
        return Refuse(Refusal::NotSavedGame, problem);
    const size_t turns = size_t(g.lastTurn + 1);
    if (in.Left() / 16 < turns)
        return Refuse(Refusal::NotSavedGame, "the record is cut short");
    g.record.resize(turns);
    for (TurnRecord& t : g.record) {
        t.humanX = in.U32();
        t.humanY = in.U32();
        t.replyX = in.U32();
        t.replyY = in.U32();
    }
    if (std::string problem = RecordProblem(g); !problem.empty())
        return Refuse(Refusal::NotSavedGame, problem);

    LoadResult r;
    r.game = std::move(g);
    return r;
}
