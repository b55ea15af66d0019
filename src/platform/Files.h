#pragma once

#include "platform/Object.h"

#include <functional>
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

    // Makes this file appear whole or not at all, even if the process dies
    // half way: `build` makes it under a temporary name in the same folder,
    // and only a build that succeeds is renamed into place, never over an
    // item that appeared meanwhile. Leftovers of builds whose process is gone
    // are removed first. True when the item exists afterwards.
    bool CreateWhole(const std::function<bool(const Ref& partial)>& build);

private:
    explicit FolderItem(std::string path) : mPath(std::move(path)) {}

    std::string mPath;
};

// GetFolderItem("") is the folder that holds the running program; any other
// path names that item as given.
FolderItem::Ref GetFolderItem(std::string_view path);

// The user's Documents folder, created when it is missing.
FolderItem::Ref DocumentsFolder();

// The user's folder for caches ($XDG_CACHE_HOME, else ~/.cache); it may not exist yet.
// An empty path when the user has none.
FolderItem::Ref CacheFolder();

// Test seam: while set, GetFolderItem("") answers this folder.
void SetApplicationFolderForTesting(std::optional<std::string> path);

}  // namespace platform
