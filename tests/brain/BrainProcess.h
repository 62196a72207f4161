// The real pbrain-quinterra as a child process on two pipes (POSIX only).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

class CBrainProcess {
public:
    // Starts the program with its standard input and output on pipes of ours.
    explicit CBrainProcess(const std::string& path);
    // Kills the child if it is still running, and reaps it.
    ~CBrainProcess();
    CBrainProcess(const CBrainProcess&) = delete;
    CBrainProcess& operator=(const CBrainProcess&) = delete;

    // Writes the bytes to the child's input. Its answers are collected
    // meanwhile, so that neither side can block the other on a full pipe.
    // False when the child no longer reads.
    bool Send(std::string_view bytes);
    // The next answer line with its line end ("...\r\n" as written), or
    // nothing when none came within the time limit or the output ended.
    std::optional<std::string> ReadLine(int timeoutMs = 10000);
    // Whatever the child still writes until it closes its output.
    std::string ReadRest(int timeoutMs = 10000);
    // Closes the child's input: end of file for it.
    void CloseInput();
    // The child's exit code, or -1 when it did not exit normally in time.
    int Wait(int timeoutMs = 10000);

private:
    // Moves what the child has written into `received`; waits at most
    // timeoutMs for something to arrive. False at the end of the output.
    bool Receive(int timeoutMs);

    pid_t pid = -1;
    int toChild = -1;
    int fromChild = -1;
    bool outputEnded = false;
    std::string received;
};
