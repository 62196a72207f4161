// Saved games on disk. The bytes come from the codec; here they meet the
// file system and the player: a save never leaves a half-written file where
// a good one stood, and a load changes nothing until the whole file has
// passed every check.
#include "Board.h"
#include "FileHandle.h"
#include "SafeWrite.h"
#include "SavedGameCodec.h"
#include "Texts.h"

#include <new>
#include <string>
#include <vector>

namespace {

// The largest file worth reading: a full 100 x 100 record with every byte a
// line end would still be far below this.
const LONGLONG LargestSavedGame = 1 << 20;

// Reads a file of at most LargestSavedGame bytes; false when it cannot be
// read whole or is larger than any saved game.
bool ReadWhole(const wchar_t* path, std::vector<uint8_t>& bytes)
{
    FileHandle file(CreateFileW(
        path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size {};
    if (!file.valid() || !GetFileSizeEx(file.get(), &size) || size.QuadPart > LargestSavedGame)
        return false;
    bytes.resize(size_t(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), DWORD(bytes.size()), &read, nullptr))
        return false;
    bytes.resize(read);
    return true;
}

}  // namespace

bool CBoard::Save(const wchar_t* path)
{
    const std::wstring target(path);
    if (!WriteFileSafely(target, ToStoredForm(EncodeSavedGame(Snapshot())))) {
        std::wstring text = Text::SaveFailed + target + L".";
        MessageBoxW(window, text.c_str(), Text::ErrorCaption, MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    Show(Saved());
    return true;
}

bool CBoard::Load(const wchar_t* path)
{
    std::vector<uint8_t> bytes;
    LoadResult file;
    // Checking a file needs memory of its own (a scratch board to replay the
    // record on). Without it the file is refused: the game on the board has
    // not been touched yet and goes on.
    bool memoryToCheck = true;
    try {
        if (ReadWhole(path, bytes))
            file = DecodeSavedGame(bytes);
        else
            file.refusal = Refusal::NotSavedGame;
    } catch (const CEngine::ExMalloc&) {
        memoryToCheck = false;
    } catch (const std::bad_alloc&) {
        memoryToCheck = false;
    }
    if (!memoryToCheck) {
        MessageBoxW(window, Text::NoMemoryToCheckFile, Text::ErrorCaption, MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    if (file.refusal != Refusal::None) {
        const wchar_t* text = file.refusal == Refusal::OtherVersion ? Text::OtherVersion : Text::NotSavedGame;
        MessageBoxW(window, text, Text::ErrorCaption, MB_ICONEXCLAMATION | MB_OK);
        return false;
    }

    // Only now, with a game that is known to replay, does the old one go.
    Adopt(file.game);
    Show({WinningFiveSquares(), true});
    InvalidateRect(window, nullptr, FALSE);
    return true;
}
