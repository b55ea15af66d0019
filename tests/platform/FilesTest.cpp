#include "platform/Files.h"

#include "platform/sql/PlainSQL.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

using platform::FolderItem;

TEST(Files, ApplicationFolderHoldsTheProgramUnlessTheSeamIsSet)
{
    auto folder = platform::GetFolderItem("");
    EXPECT_TRUE(folder->Directory());
    EXPECT_TRUE(folder->Child(program_invocation_short_name)->Exists()) << folder->NativePath();

    TemporaryFolder temporary;
    platform::SetApplicationFolderForTesting(temporary.Path().string());
    EXPECT_EQ(platform::GetFolderItem("")->NativePath(), temporary.Path().string());
    platform::SetApplicationFolderForTesting(std::nullopt);
    EXPECT_EQ(platform::GetFolderItem("")->NativePath(), folder->NativePath());
}

TEST(Files, ItemsTellFilesFromFoldersThroughLinks)
{
    TemporaryFolder temporary;
    auto root = FolderItem::Create(temporary.Path().string());
    std::ofstream(root->Child("a file")->NativePath()) << "x";
    std::filesystem::create_directory_symlink(temporary.Path(), temporary.Path() / "link");

    EXPECT_TRUE(root->Child("a file")->Exists());
    EXPECT_FALSE(root->Child("a file")->Directory());
    EXPECT_TRUE(root->Child("link")->Directory()) << "links are followed";
    EXPECT_FALSE(root->Child("missing")->Exists());
    EXPECT_FALSE(root->Child("missing")->Directory());
}

TEST(Files, DocumentsFolderIsCreatedInHomeWhenMissing)
{
    const std::filesystem::path documents = std::filesystem::path(std::getenv("HOME")) / "Documents";
    std::error_code ignored;
    std::filesystem::remove_all(documents, ignored);
    auto folder = platform::DocumentsFolder();
    EXPECT_EQ(std::filesystem::path(folder->NativePath()), documents);
    EXPECT_TRUE(folder->Directory());
}
