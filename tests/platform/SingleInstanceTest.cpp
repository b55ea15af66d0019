#include "platform/SingleInstance.h"
#include "platform/sql/PlainSQL.h"
#include "support/EventLoop.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::SingleInstance;

namespace {

// The sockets in the runtime folder, where the copies listen.
std::set<std::filesystem::path> Sockets()
{
    std::set<std::filesystem::path> sockets;
    for (const auto& entry : std::filesystem::directory_iterator(std::getenv("XDG_RUNTIME_DIR")))
        if (entry.is_socket())
            sockets.insert(entry.path());
    return sockets;
}

// A caller on the socket at path, as another copy would connect; -1 when it cannot.
int Connect(const std::filesystem::path& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int caller = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (caller >= 0 && ::connect(caller, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(caller);
        return -1;
    }
    return caller;
}

// Whether the first copy of file comes to the front when another copy starts.
testing::AssertionResult RaisedByTheNextStart(SingleInstance& first, const std::string& file)
{
    int raised = 0;
    first.SetOnAnotherStart([&raised] { ++raised; });
    if (SingleInstance::Claim(file))
        return testing::AssertionFailure() << "the next copy claimed the file";
    if (!RunEventLoopUntil([&] { return raised == 1; }))
        return testing::AssertionFailure() << "the first copy was not asked to come to the front";
    return testing::AssertionSuccess();
}

}  // namespace

TEST(SingleInstanceTest, ASecondCopyOnTheSameFileRaisesTheFirstAndStandsDown)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.Path() / "devuser");
    const std::string file = (folder.Path() / "devuser" / "diary").string();
    auto first = SingleInstance::Claim(file);
    ASSERT_NE(first, nullptr);
    int raised = 0;
    first->SetOnAnotherStart([&raised] { ++raised; });
    {
        SCOPED_TRACE("the same file, also by another spelling of its path");
        EXPECT_EQ(SingleInstance::Claim(file), nullptr);
        EXPECT_TRUE(RunEventLoopUntil([&] { return raised == 1; }));
        EXPECT_EQ(SingleInstance::Claim((folder.Path() / "devuser" / ".." / "devuser" / "diary").string()), nullptr);
        EXPECT_TRUE(RunEventLoopUntil([&] { return raised == 2; }));
    }
    {
        SCOPED_TRACE("another file is another diary");
        EXPECT_NE(SingleInstance::Claim((folder.Path() / "other").string()), nullptr);
    }
    first.reset();
    {
        SCOPED_TRACE("free once the first copy ends; the next first copy listens where it did");
        const auto next = SingleInstance::Claim(file);
        ASSERT_NE(next, nullptr);
        EXPECT_TRUE(RaisedByTheNextStart(*next, file));
    }

    SCOPED_TRACE("a copy that was killed leaves the file free");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        const auto held = SingleInstance::Claim(file);
        if (held && write(ready[1], "y", 1) == 1)
            pause();
        _exit(1);
    }
    char answer = 0;
    EXPECT_EQ(read(ready[0], &answer, 1), 1);
    EXPECT_EQ(SingleInstance::Claim(file), nullptr) << "held by the live child";
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    const auto next = SingleInstance::Claim(file);
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(RaisedByTheNextStart(*next, file));
}

TEST(SingleInstanceTest, ACopyWhoseWordComesLateIsHeardOut)
{
    TemporaryFolder folder;
    const std::string file = (folder.Path() / "diary").string();
    const auto before = Sockets();
    auto first = SingleInstance::Claim(file);
    ASSERT_NE(first, nullptr);
    std::vector<std::filesystem::path> listening;
    for (const auto& socket : Sockets())
        if (!before.count(socket))
            listening.push_back(socket);
    ASSERT_EQ(listening.size(), 1u);

    const int slow = Connect(listening.front());
    ASSERT_GE(slow, 0) << std::strerror(errno);
    ASSERT_EQ(write(slow, "rai", 3), 3);
    // Heard once a copy that connected after it has been: the slow one was taken on first.
    EXPECT_TRUE(RaisedByTheNextStart(*first, file));
    char byte = 0;
    EXPECT_EQ(recv(slow, &byte, 1, MSG_DONTWAIT), -1) << "hung up on before it said its word";
    EXPECT_EQ(errno, EAGAIN);

    int raised = 0;
    first->SetOnAnotherStart([&raised] { ++raised; });
    ASSERT_EQ(write(slow, "se\n", 3), 3);
    EXPECT_TRUE(RunEventLoopUntil([&] { return raised == 1; }));
    close(slow);
}
