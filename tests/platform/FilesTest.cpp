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

TEST(Files, CreateWholeShowsOnlyCompleteFilesAndNeverReplacesOne)
{
    TemporaryFolder temporary;
    auto item = FolderItem::Create((temporary.Path() / "made").string());
    auto write = [](const FolderItem::Ref& file, const char* text) { std::ofstream(file->NativePath()) << text; };
    auto text = [&] {
        std::ifstream in(item->NativePath());
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    auto count = [&] { return std::distance(std::filesystem::directory_iterator(temporary.Path()), {}); };

    EXPECT_FALSE(item->CreateWhole([&](const FolderItem::Ref& partial) {
        write(partial, "half");
        write(FolderItem::Create(partial->NativePath() + "-journal"), "j");
        EXPECT_EQ(count(), 2);
        EXPECT_FALSE(item->Exists()) << "not before it is complete";
        return false;
    }));
    EXPECT_EQ(count(), 0) << "a failed build leaves nothing, its journal included";

    EXPECT_TRUE(item->CreateWhole([&](const FolderItem::Ref& partial) {
        write(partial, "whole");
        return true;
    }));
    EXPECT_EQ(text(), "whole");

    ASSERT_TRUE(item->Delete());
    EXPECT_TRUE(item->CreateWhole([&](const FolderItem::Ref& partial) {
        write(item, "another process was first");
        write(partial, "mine");
        return true;
    }));
    EXPECT_EQ(text(), "another process was first");
    EXPECT_EQ(count(), 1);
}
