// An open Win32 file that closes itself on every path out of the function
// that opened it.
#pragma once

#include <windows.h>

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : handle_(h) { }
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    // False when the close itself failed: for a file just written, that can
    // be the first sign that its bytes did not reach the disk.
    bool Close()
    {
        if (!valid())
            return true;
        bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};
