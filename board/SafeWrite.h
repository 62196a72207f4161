// Writing a file so that a failure never costs the player a file: neither the
// old contents of the target nor any other file of the folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Replaces the contents of target (or creates it) with bytes. The bytes go to
// a temporary file of a name that nothing in the folder has, created so that
// it can never open an existing file, which then takes the target's place in
// one rename, keeping the old file's attributes. Where the folder allows no
// new file but the target exists and may be written, the target is written
// in place. A read-only target is left alone. True when the bytes are there.
bool WriteFileSafely(const std::wstring& target, const std::vector<uint8_t>& bytes);

// The path itself while it fits the usual limit of a path, else its long
// form (\\?\ before a local path, \\?\UNC\ before a network one).
std::wstring WithinPathLimit(const std::wstring& path);

// The name tried at the given attempt of a process: the same sequence for
// the same process, so that tests can occupy the first ones.
std::wstring TemporaryName(uint32_t processId, uint32_t attempt);
