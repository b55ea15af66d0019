// The whole program killed (SIGKILL) at random moments: during its first
// start, and during 1,000 actions of the random user; after each kill it is
// started again, and the diary must open, pass PRAGMA integrity_check and
// keep its invariant (each day's total is the sum of its items, one row per
// date).
//   app_kill TEST_APP [ACTIONS]   TEST_APP: the app test program with the random user
#include "platform/Files.h"
#include "platform/sql/REALSQLDatabase.h"
#include "store/DiaryDB.h"
#include "store/DiaryFileCheck.h"
#include "support/DiaryInvariant.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

std::string gProgram;
fs::path gFolder;
std::mt19937_64 gRandom;

struct Run {
    pid_t pid = 0;
    int output = -1;  // one '.' per action
};

// Starts the random user on the kept diary for `actions` actions.
Run Start(uint64_t actions)
{
    int ends[2];
    if (pipe(ends) != 0)
        std::abort();
    const std::string seed = std::to_string(gRandom() % 1000000000);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(ends[1], STDOUT_FILENO);
        close(ends[0]);
        setenv("DIARY_MONKEY_FOLDER", gFolder.c_str(), 1);
        setenv("DIARY_MONKEY_EVENTS", std::to_string(actions).c_str(), 1);
        setenv("DIARY_MONKEY_SEED", seed.c_str(), 1);
        setenv("DIARY_MONKEY_PROGRESS", "1", 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("TMPDIR", (gFolder / "tmp").c_str(), 1);  // what a killed run leaves goes with the folder
        execl(gProgram.c_str(), gProgram.c_str(), "--gtest_filter=MonkeyTest.*", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    return {pid, ends[0]};
}

// Reads up to `actions` dots; how many came before the output ended.
uint64_t Await(const Run& run, uint64_t actions)
{
    uint64_t seen = 0;
    char text[256];
    while (seen < actions) {
        const ssize_t got = read(run.output, text, std::min<uint64_t>(sizeof text, actions - seen));
        if (got <= 0)
            break;
        for (ssize_t i = 0; i < got; ++i)
            seen += text[i] == '.' ? 1 : 0;
    }
    return seen;
}

// Whether the run ended by itself with status 0.
bool Finish(const Run& run, bool kill)
{
    if (kill)
        ::kill(run.pid, SIGKILL);
    char rest[4096];
    while (read(run.output, rest, sizeof rest) > 0) {
    }
    close(run.output);
    int status = 0;
    waitpid(run.pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// What is wrong with the diary after a kill; empty when nothing is.
std::string Broken()
{
    const auto file = platform::FolderItem::Create((gFolder / "devuser" / "Di Rizezoz Database").string());
    if (!file->Exists())
        return "";
    if (const auto check = DiaryFileCheck::Of(file); !check.Usable())
        return check.Message();
    auto db = platform::REALSQLDatabase::Create();
    db->SetDatabaseFile(file);
    if (!db->Connect())
        return "no connection: " + db->ErrorMessage();
    const auto integrity = db->SQLSelect("PRAGMA integrity_check");
    const std::string verdict = integrity ? integrity->Field("integrity_check").StringValue() : db->ErrorMessage();
    if (verdict != "ok")
        return "integrity_check: " + verdict;
    const auto broken = db->SQLSelect(testsupport::kBrokenDiaryRows);
    if (!broken)
        return "invariant query: " + db->ErrorMessage();
    return broken->IsEOF() ? ""
                           : "invariant: " + broken->Field("what").StringValue() + " on " +
                                 broken->Field("date").StringValue();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    gProgram = argv[1];
    const uint64_t totalActions = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1000;
    const unsigned seed = std::random_device()();
    gRandom.seed(seed);
    std::string folder = (fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) / "appkill-XXXXXX";
    if (!mkdtemp(folder.data()))
        return 2;
    gFolder = folder;
    fs::create_directory(gFolder / "devuser");
    fs::create_directory(gFolder / "tmp");
    std::printf("app kill: seed %u\n", seed);

    int kills = 0, restarts = 0, failures = 0;
    const auto restartAndCheck = [&](const char* after) {
        const Run again = Start(0);
        if (Finish(again, false))
            ++restarts;
        else
            ++failures, std::printf("a restart after %s failed\n", after);
        if (const std::string broken = Broken(); !broken.empty())
            ++failures, std::printf("after %s: %s\n", after, broken.c_str());
    };

    // The first start, timed, then killed at random moments within it.
    const auto begun = Clock::now();
    const Run timed = Start(1);
    Await(timed, 1);
    const auto firstStart = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begun).count();
    Finish(timed, true);
    for (int i = 0; i < 50; ++i) {
        fs::remove(gFolder / "devuser" / "Di Rizezoz Database");
        const Run run = Start(1);
        // A slow start (sanitizers, a loaded machine) may take more than a second.
        std::this_thread::sleep_for(std::chrono::microseconds(gRandom() % static_cast<uint64_t>(firstStart)));
        Finish(run, true);
        ++kills;
        restartAndCheck("a kill during the first start");
    }

    // Actions, killed after a random count and a random moment more.
    uint64_t actions = 0;
    while (actions < totalActions) {
        const uint64_t planned = 1 + gRandom() % 60;
        const Run run = Start(planned + 1000);
        actions += Await(run, planned);
        std::this_thread::sleep_for(std::chrono::microseconds(gRandom() % 3000));
        Finish(run, true);
        ++kills;
        restartAndCheck("a kill during actions");
    }
    std::printf("app kill: %llu actions, %d kills, %d restarts, %d failures (first start %.1f ms)\n",
                static_cast<unsigned long long>(actions), kills, restarts, failures, firstStart / 1000.0);
    std::error_code ignored;
    fs::remove_all(gFolder, ignored);
    return failures == 0 ? 0 : 1;
}
