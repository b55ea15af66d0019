#pragma once

#include "platform/Object.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A path in the file system; the item it names need not exist.
class FolderItem : public Object {
public:
    using Ref = std::shared_ptr<FolderItem>;
    static Ref Create(std::string path);

    // The item of this folder with that name (which need not exist).
    Ref Child(std::string_view name) const;
    bool Exists() const;     // symbolic links are followed
    bool Directory() const;  // an existing folder
    const std::string& NativePath() const { return mPath; }
    // Removes a file or an empty folder; false when nothing was removed.
    bool Delete();

private:
    explicit FolderItem(std::string path) : mPath(std::move(path)) {}

    std::string mPath;
};

// GetFolderItem("") is the folder that holds the running program; any other
// path names that item as given.
FolderItem::Ref GetFolderItem(std::string_view path);

// The user's Documents folder, created when it is missing.
FolderItem::Ref DocumentsFolder();

// Test seam: while set, GetFolderItem("") answers this folder.
void SetApplicationFolderForTesting(std::optional<std::string> path);

}  // namespace platform
