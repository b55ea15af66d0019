// The diary's first start, killed (SIGKILL) at random moments while it makes
// its file, 200 times: the next start must work after every kill.
//   store_first_start_kill                  runs the kills
//   store_first_start_kill --create FOLDER  one first start in FOLDER/devuser
#include "platform/Files.h"
#include "store/DiaryDB.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;

// One first start, killed `delay` microseconds after it says it begins; or,
// with a negative delay, left alone and timed to its end. Whether it was killed.
bool Start(const fs::path& folder, int64_t delay, int64_t* taken = nullptr)
{
    int ends[2];
    if (pipe(ends) != 0)
        std::abort();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ends[1], STDOUT_FILENO);
        execl("/proc/self/exe", "store_first_start_kill", "--create", folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    char word = 0;
    if (read(ends[0], &word, 1) == 1 && delay >= 0) {
        const timespec pause{0, static_cast<long>(delay * 1000)};
        nanosleep(&pause, nullptr);
        kill(pid, SIGKILL);
    } else if (taken) {
        char text[32] = {};
        if (read(ends[0], text, sizeof text - 1) > 0)
            *taken = std::atoll(text);
    }
    close(ends[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFSIGNALED(status);
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--create") == 0) {
        platform::SetApplicationFolderForTesting(argv[2]);
        platform::REALSQLDatabase::Ref db;
        const auto start = std::chrono::steady_clock::now();
        const bool made = write(STDOUT_FILENO, "b", 1) == 1 && DiaryDB::Init(db);
        // How long it took, in microseconds; then _exit: no leak check in a process that may be killed.
        const std::string taken = std::to_string(
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count());
        _exit(made && write(STDOUT_FILENO, taken.data(), taken.size()) > 0 ? 0 : 1);
    }
    // In memory where possible: the kills, not the disk, are under test.
    std::string folder = (fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) / "kill-XXXXXX";
    if (!mkdtemp(folder.data()) || !fs::create_directory(fs::path(folder) / "devuser"))
        return 2;
    const fs::path file = fs::path(folder) / "devuser" / "Di Rizezoz Database";
    platform::SetApplicationFolderForTesting(folder);

    std::array<int64_t, 5> times{};
    for (auto& taken : times) {
        Start(folder, -1, &taken);
        fs::remove(file);
    }
    std::sort(times.begin(), times.end());
    const int64_t window = std::max<int64_t>(1, times[2] * 6 / 5);  // a little beyond the median
    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    int killed = 0, unusable = 0;
    for (int round = 0; round < 200; ++round, fs::remove(file)) {
        killed += Start(folder, std::uniform_int_distribution<int64_t>(0, window)(random));
        if (!DiaryDB::GetAllFood() || !DiaryDB::GetAllDaily())
            std::printf("round %d: the start after a kill fails (%d so far)\n", round, ++unusable);
    }
    const auto leftovers = std::distance(fs::directory_iterator(fs::path(folder) / "devuser"), {});
    std::printf("seed %u: 200 first starts, %d killed before their end (within %lld us), "
                "%d unusable files, %td leftovers\n",
                seed, killed, static_cast<long long>(window), unusable, leftovers);
    fs::remove_all(folder);
    return unusable == 0 && leftovers == 0 ? 0 : 1;
}
