#include "platform/Files.h"

#include <QStandardPaths>
#include <QString>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

std::optional<std::string> gApplicationFolderForTesting;

constexpr std::string_view kPartialEnd = ".partial";

// ".name.<pid>.partial": hidden, and naming the process that builds it.
std::string PartialName(const std::string& name, pid_t pid)
{
    return "." + name + "." + std::to_string(pid) + std::string(kPartialEnd);
}

// Removes the partial file and whatever was made beside it under its name
// (a database's journal).
void RemovePartial(const std::filesystem::path& folder, const std::string& partialName)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(partialName))
            std::filesystem::remove(entry.path(), error);
    }
}

// Removes the partial files of builds whose process is gone (or was this one).
void RemoveAbandonedPartials(const std::filesystem::path& folder, const std::string& name)
{
    const std::string prefix = "." + name + ".";
    std::error_code error;
    std::vector<std::string> abandoned;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string entryName = entry.path().filename().string();
        const size_t end = entryName.find(kPartialEnd, prefix.size());
        if (!entryName.starts_with(prefix) || end == std::string::npos)
            continue;
        const std::string digits = entryName.substr(prefix.size(), end - prefix.size());
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9)
            continue;
        const auto pid = static_cast<pid_t>(std::stol(digits));
        if (pid == getpid() || (kill(pid, 0) != 0 && errno == ESRCH))
            abandoned.push_back(PartialName(name, pid));
    }
    for (const auto& partial : abandoned)
        RemovePartial(folder, partial);
}

// Moves `from` to `to` unless `to` exists; EEXIST in errno when it does.
bool MoveWithoutReplacing(const std::string& from, const std::string& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot rename so: a link fails just the same on an existing name.
    if (link(from.c_str(), to.c_str()) != 0)
        return false;
    unlink(from.c_str());
    return true;
}

void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
}

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

bool FolderItem::CreateWhole(const std::function<bool(const Ref& partial)>& build)
{
    const std::filesystem::path path(mPath);
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    const std::string name = path.filename().string();
    RemoveAbandonedPartials(folder, name);
    const std::string partialName = PartialName(name, getpid());
    const auto partial = Create((folder / partialName).string());
    if (!build(partial)) {
        RemovePartial(folder, partialName);
        return Exists();
    }
    const bool moved = MoveWithoutReplacing(partial->NativePath(), mPath);
    const bool lost = !moved && errno == EEXIST;  // another process made it first
    RemovePartial(folder, partialName);
    if (moved)
        SyncFolder(folder);
    return moved || lost;
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

FolderItem::Ref CacheFolder()
{
    return FolderItem::Create(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString());
}

void SetApplicationFolderForTesting(std::optional<std::string> path) { gApplicationFolderForTesting = std::move(path); }

}  // namespace platform
