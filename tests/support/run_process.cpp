#include "run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

extern char** environ;

namespace velnorit::testing {

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         StandardOutput standardOutput) {
    int out[2], err[2];
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    int brokenPipe[2] = {-1, -1};
    if (standardOutput == StandardOutput::BrokenPipe) {
        if (pipe2(brokenPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
        close(brokenPipe[0]);
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    switch (standardOutput) {
    case StandardOutput::Collected: posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO); break;
    case StandardOutput::DevFull:
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
        break;
    case StandardOutput::Closed: posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO); break;
    case StandardOutput::ReadOnly:
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_RDONLY, 0);
        break;
    case StandardOutput::BrokenPipe: posix_spawn_file_actions_adddup2(&actions, brokenPipe[1], STDOUT_FILENO); break;
    }
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    if (brokenPipe[1] >= 0) close(brokenPipe[1]);
    if (spawned != 0) throw std::runtime_error("cannot start " + program);

    ProcessResult result;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.standardOutput, &result.standardError};
    int open = 2;
    while (open > 0 && poll(fds, 2, -1) > 0) {
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return result;
}

} // namespace velnorit::testing
