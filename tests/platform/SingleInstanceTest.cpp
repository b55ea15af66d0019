#include "platform/SingleInstance.h"
#include "platform/sql/PlainSQL.h"
#include "support/EventLoop.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::SingleInstance;

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
    EXPECT_NE(SingleInstance::Claim(file), nullptr) << "free once the first copy ends";

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
    EXPECT_NE(SingleInstance::Claim(file), nullptr);
}
