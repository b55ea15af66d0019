#include "platform/Files.h"

#include <QStandardPaths>
#include <QString>

#include <filesystem>
#include <system_error>

namespace platform {

namespace {

std::optional<std::string> gApplicationFolderForTesting;

}  // namespace

FolderItem::Ref FolderItem::Create(std::string path) { return Ref(new FolderItem(std::move(path))); }

FolderItem::Ref FolderItem::Child(std::string_view name) const
{
    return Create((std::filesystem::path(mPath) / name).string());
}

bool FolderItem::Exists() const
{
    std::error_code error;
    return std::filesystem::exists(mPath, error);
}

bool FolderItem::Directory() const
{
    std::error_code error;
    return std::filesystem::is_directory(mPath, error);
}

bool FolderItem::Delete()
{
    std::error_code error;
    return std::filesystem::remove(mPath, error) && !error;
}

FolderItem::Ref GetFolderItem(std::string_view path)
{
    if (!path.empty())
        return FolderItem::Create(std::string(path));
    if (gApplicationFolderForTesting)
        return FolderItem::Create(*gApplicationFolderForTesting);
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return FolderItem::Create(std::filesystem::current_path(error).string());
    return FolderItem::Create(program.parent_path().string());
}

FolderItem::Ref DocumentsFolder()
{
    std::string path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    if (path.empty())
        path = (std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::HomeLocation).toStdString()) /
                "Documents")
                   .string();
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return FolderItem::Create(std::move(path));
}

void SetApplicationFolderForTesting(std::optional<std::string> path) { gApplicationFolderForTesting = std::move(path); }

}  // namespace platform
