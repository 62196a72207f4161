#include "BrainProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

}  // namespace

CBrainProcess::CBrainProcess(const std::string& path)
{
    // A child that exits while we write must fail the write, not kill the test.
    std::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    toChild = in[1];
    fromChild = out[0];
    if (rc != 0) {
        pid = -1;
        throw std::runtime_error("cannot start " + path);
    }
}

CBrainProcess::~CBrainProcess()
{
    CloseInput();
    if (fromChild >= 0)
        close(fromChild);
    if (pid > 0 && Wait(2000) == -1 && pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

bool CBrainProcess::Receive(int timeoutMs)
{
    if (outputEnded)
        return false;
    pollfd p = {fromChild, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0)
        return true;
    char buffer[4096];
    const ssize_t n = read(fromChild, buffer, sizeof buffer);
    if (n <= 0) {
        outputEnded = true;
        return false;
    }
    received.append(buffer, size_t(n));
    return true;
}

bool CBrainProcess::Send(std::string_view bytes)
{
    while (!bytes.empty()) {
        pollfd p[2] = {{toChild, POLLOUT, 0}, {fromChild, POLLIN, 0}};
        const nfds_t count = outputEnded ? 1 : 2;
        if (poll(p, count, 10000) <= 0)
            return false;
        if (count == 2 && (p[1].revents & (POLLIN | POLLHUP)))
            Receive(0);
        if (p[0].revents & (POLLERR | POLLHUP))
            return false;
        if (p[0].revents & POLLOUT) {
            const ssize_t n = write(toChild, bytes.data(), bytes.size() < 4096 ? bytes.size() : 4096);
            if (n < 0 && errno != EINTR && errno != EAGAIN)
                return false;
            if (n > 0)
                bytes.remove_prefix(size_t(n));
        }
    }
    return true;
}

std::optional<std::string> CBrainProcess::ReadLine(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const size_t end = received.find('\n');
        if (end != std::string::npos) {
            std::string line = received.substr(0, end + 1);
            received.erase(0, end + 1);
            return line;
        }
        if (MsLeft(deadline) == 0 || !Receive(MsLeft(deadline)))
            return std::nullopt;
    }
}

std::string CBrainProcess::ReadRest(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (MsLeft(deadline) > 0 && Receive(MsLeft(deadline))) { }
    std::string rest;
    rest.swap(received);
    return rest;
}

void CBrainProcess::CloseInput()
{
    if (toChild >= 0)
        close(toChild);
    toChild = -1;
}

int CBrainProcess::Wait(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        const pid_t r = waitpid(pid, &status, WNOHANG);
        if (r == pid) {
            pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (r < 0 || MsLeft(deadline) == 0)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
