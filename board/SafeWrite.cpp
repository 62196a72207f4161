#include "SafeWrite.h"

#include "FileHandle.h"

#include <cwchar>
#include <iterator>

namespace {

// Enough to step past any crowd of leftovers; a folder where this many names
// in a row are taken is not one to write into.
const uint32_t NameAttempts = 64;

std::wstring FolderOf(const std::wstring& path)
{
    size_t cut = path.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut + 1);
}

std::wstring NameOf(const std::wstring& path)
{
    return path.substr(FolderOf(path).size());
}

// Opens a new temporary file beside the target. CREATE_NEW fails on a name
// that exists, so a file of the player's is never opened, let alone
// overwritten; a taken name only makes us try the next one. Any other failure
// means the folder takes no new file, and error says why.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring& temporary, DWORD& error)
{
    const std::wstring folder = FolderOf(target);
    const std::wstring targetName = NameOf(target);
    error = ERROR_FILE_EXISTS;
    for (uint32_t attempt = 0; attempt < NameAttempts; ++attempt) {
        const std::wstring name = TemporaryName(GetCurrentProcessId(), attempt);
        // A target not yet there could carry this very name.
        if (CompareStringOrdinal(name.c_str(), -1, targetName.c_str(), -1, TRUE) == CSTR_EQUAL)
            continue;
        temporary = WithinPathLimit(folder + name);
        HANDLE file = CreateFileW(
            temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    temporary.clear();
    return INVALID_HANDLE_VALUE;
}

bool WriteAndClose(FileHandle& file, const std::vector<uint8_t>& bytes)
{
    DWORD written = 0;
    bool ok = WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr)
        && written == bytes.size();
    ok = ok && SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
    return file.Close() && ok;
}

// Puts the complete temporary file in the target's place, with the attributes
// the old file had (hidden, archive and the like). The rename replaces the old
// file in one step: when it fails, the old file is still there and whole.
bool PutInPlace(const std::wstring& temporary, const std::wstring& target)
{
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE
        | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    DWORD old = GetFileAttributesW(target.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & kept))
        SetFileAttributesW(temporary.c_str(), old & kept);
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// The plain way, for a folder that refuses new files: a failure half-way can
// leave the target damaged, which is why it is only the fallback.
bool WriteInPlace(const std::wstring& target, const std::vector<uint8_t>& bytes)
{
    FileHandle file(CreateFileW(
        target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && WriteAndClose(file, bytes);
}

}  // namespace

// A short name keeps a target that fits the usual limit of a path savable;
// when even the short name would pass the limit, the long form of the path is
// used.
std::wstring WithinPathLimit(const std::wstring& path)
{
    if (path.size() < MAX_PATH)
        return path;
    DWORD room = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(room, L'\0');
    DWORD length = room ? GetFullPathNameW(path.c_str(), room, full.data(), nullptr) : 0;
    if (length == 0 || length >= room)
        return path;
    full.resize(length);
    if (full.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::wstring TemporaryName(uint32_t processId, uint32_t attempt)
{
    // Scattered rather than counted up, so that two processes saving into one
    // folder do not walk the same names.
    uint32_t mixed = (processId ^ (attempt * 0x9E3779B9u)) * 0x85EBCA6Bu;
    wchar_t name[16];
    swprintf(name, std::size(name), L"~q%08x.tmp", mixed);
    return name;
}

bool WriteFileSafely(const std::wstring& target, const std::vector<uint8_t>& bytes)
{
    // A read-only file was protected by its owner; not every file system
    // refuses to rename over one, so the check is ours.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;

    std::wstring temporary;
    DWORD error = 0;
    FileHandle file(CreateTemporaryBeside(target, temporary, error));
    if (file.valid()) {
        bool saved = WriteAndClose(file, bytes) && PutInPlace(temporary, target);
        if (!saved)
            DeleteFileW(temporary.c_str());  // ours: made by CREATE_NEW above
        return saved;
    }
    // A folder that refuses new files (a share with such rights) may still
    // let its files be written: then this is the one way to save.
    if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES)
        return WriteInPlace(target, bytes);
    return false;
}
