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

TEST(Files, ItemsTellFilesFromFoldersAndDelete)
{
    TemporaryFolder temporary;
    auto root = FolderItem::Create(temporary.Path().string());
    auto file = root->Child("a file");
    auto folder = root->Child("a folder");
    auto missing = root->Child("missing");
    std::ofstream(file->NativePath()) << "x";
    std::filesystem::create_directory(folder->NativePath());
    std::filesystem::create_directory_symlink(folder->NativePath(), temporary.Path() / "link");

    EXPECT_TRUE(file->Exists());
    EXPECT_FALSE(file->Directory());
    EXPECT_TRUE(folder->Exists());
    EXPECT_TRUE(folder->Directory());
    EXPECT_TRUE(root->Child("link")->Directory()) << "links are followed";
    EXPECT_FALSE(missing->Exists());
    EXPECT_FALSE(missing->Directory());

    std::ofstream(folder->Child("inside")->NativePath()) << "y";
    EXPECT_FALSE(folder->Delete()) << "a folder that is not empty stays";
    EXPECT_TRUE(folder->Exists());
    EXPECT_TRUE(file->Delete());
    EXPECT_FALSE(file->Exists());
    EXPECT_FALSE(file->Delete());
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
