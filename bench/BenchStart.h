#pragma once

// Timing a program's start to its first painted frame: the benchmark runs
// itself again as a child, which reports the frame on its standard output.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

// A line of /proc/self/status in KiB: "VmHWM" (the peak) or "VmRSS".
inline long StatusKiB(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0)
            return std::atol(line.c_str() + key.size() + 1);
    return 0;
}

// Once Qt has put the first painted frame in its window, prints "painted",
// the processor time spent so far in ms (steadier than the wall clock on a
// busy machine) and the peak resident memory in KiB, and ends the process.
class FirstFrameReporter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !mReported) {
            mReported = true;
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                const double cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
                std::printf("painted %.3f %ld\n", cpu, StatusKiB("VmHWM"));
                std::fflush(stdout);
                std::_Exit(0);  // what follows the frame is not measured
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool mReported = false;
};

struct ChildRun {
    std::string output;  // all the child printed
    double firstOutputMs = 0;  // from starting the child to its first output
};

// Runs self with the arguments, HOME replaced when home is not empty.
inline ChildRun RunSelf(const char* self, std::vector<std::string> arguments, const std::string& home = "")
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry)
        if (home.empty() || std::string(*entry).rfind("HOME=", 0) != 0)
            environment.emplace_back(*entry);
    if (!home.empty())
        environment.push_back("HOME=" + home);
    std::vector<char*> envp, argvp{const_cast<char*>(self)};
    for (auto& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    for (auto& argument : arguments)
        argvp.push_back(argument.data());
    argvp.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, self, &actions, nullptr, argvp.data(), envp.data()) != 0)
        std::exit(1);
    close(pipeEnds[1]);
    ChildRun run;
    char buffer[4096];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        if (run.output.empty())
            run.firstOutputMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        run.output.append(buffer, static_cast<size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return run;
}
