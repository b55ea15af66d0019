// The diary's first start killed (SIGKILL) at random moments while it makes
// its file, again and again: every file a kill leaves behind must open with
// both tables, and the next start must work.
//
//   store_first_start_kill [rounds]         runs the kills (200 by default)
//   store_first_start_kill --create FOLDER  one first start in FOLDER/devuser
#include "platform/Files.h"
#include "platform/sql/REALSQLDatabase.h"
#include "store/DiaryDB.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

int Create(const char* folder)
{
    platform::SetApplicationFolderForTesting(folder);
    const char ready = 'r';
    if (write(STDOUT_FILENO, &ready, 1) != 1)
        return 2;
    platform::REALSQLDatabase::Ref db;
    const bool made = DiaryDB::Init(db);
    const char done = 'd';
    return made && write(STDOUT_FILENO, &done, 1) == 1 ? 0 : 1;
}

struct Run {
    bool killed = false;
    Clock::duration creating{};  // between the helper's two words, when not killed
};

// Starts the helper; kills it `delay` after it says it is about to create the file.
Run StartAndKill(const fs::path& folder, std::chrono::microseconds delay, bool kill)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::abort();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl("/proc/self/exe", "store_first_start_kill", "--create", folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char word = 0;
    const bool ready = read(pipeEnds[0], &word, 1) == 1;
    const auto start = Clock::now();
    Clock::duration creating{};
    if (ready && !kill && read(pipeEnds[0], &word, 1) == 1)
        creating = Clock::now() - start;
    close(pipeEnds[0]);
    if (ready && kill) {
        if (delay.count() > 0) {
            const timespec pause{0, static_cast<long>(delay.count() * 1000)};
            nanosleep(&pause, nullptr);
        }
        ::kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFSIGNALED(status), creating};
}

// Whether a start now works: the file opens, or is made, with both tables.
bool StartWorks(const fs::path& folder)
{
    platform::SetApplicationFolderForTesting(folder.string());
    auto food = DiaryDB::GetAllFood();
    auto daily = DiaryDB::GetAllDaily();
    platform::SetApplicationFolderForTesting(std::nullopt);
    return food && daily;
}

fs::path MakeFolder()
{
    // Memory-backed when possible: the kills, not the disk, are under test.
    const fs::path base = fs::is_directory("/dev/shm") && access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm")
                                                                                        : fs::temp_directory_path();
    std::string pattern = (base / "diary-kill-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    fs::create_directory(fs::path(pattern) / "devuser");
    return pattern;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--create") == 0)
        return Create(argv[2]);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const fs::path folder = MakeFolder();
    const fs::path file = folder / "devuser" / "Di Rizezoz Database";

    // How long an undisturbed first start takes to make the file.
    std::vector<Clock::duration> times;
    for (int i = 0; i < 5; ++i) {
        times.push_back(StartAndKill(folder, {}, false).creating);
        fs::remove(file);
    }
    std::sort(times.begin(), times.end());
    const auto window = std::chrono::duration_cast<std::chrono::microseconds>(times[times.size() / 2]);

    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int64_t> delays(0, window.count() * 6 / 5);
    int killed = 0, leftFiles = 0, unusable = 0;
    for (int round = 0; round < rounds; ++round) {
        killed += StartAndKill(folder, std::chrono::microseconds(delays(random)), true).killed;
        const bool left = fs::exists(file);
        leftFiles += left;
        if (!StartWorks(folder)) {
            ++unusable;
            std::fprintf(stderr, "round %d: the next start fails (%s, %jd bytes)\n", round,
                         left ? "a file was left" : "no file", left ? static_cast<intmax_t>(fs::file_size(file)) : 0);
        }
        fs::remove(file);
    }
    // The next start has cleared what the killed starts left under other names.
    std::vector<std::string> leftovers;
    for (const auto& entry : fs::directory_iterator(folder / "devuser"))
        leftovers.push_back(entry.path().filename().string());

    std::printf("seed %u: %d starts, %d killed while making the file (median %lld us undisturbed), "
                "%d left a file, %d unusable, %zu leftovers\n",
                seed, rounds, killed, static_cast<long long>(window.count()), leftFiles, unusable, leftovers.size());
    for (const auto& name : leftovers)
        std::printf("  leftover: %s\n", name.c_str());
    fs::remove_all(folder);
    return unusable == 0 && leftovers.empty() ? 0 : 1;
}
