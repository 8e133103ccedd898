#pragma once

// Root may read and write every file, so a test of a refusal by rights runs
// the code as an ordinary user: in a child process that gives up root's
// rights for those of nobody. POSIX only.

#include <functional>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

// What run returns when called as nobody (directly when the test is not
// root), or a text no code under test gives when the child failed.
inline std::string AsOrdinaryUser(const std::function<std::string()>& run)
{
    if (geteuid() != 0)
        return run();
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        constexpr uid_t Nobody = 65534;
        if (setgid(Nobody) != 0 || setuid(Nobody) != 0)
            _exit(1);
        const std::string text = run();
        _exit(write(pipeEnds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string text;
    char buffer[256];
    for (ssize_t read; (read = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(read));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "the child could not run as an ordinary user";
}
