#pragma once

#include "platform/Files.h"

#include <string>

// A look at the diary's file before the program uses it, changing nothing in
// it: whether the diary can open it, and if not, what is wrong, in words the
// user can act on. A missing file is fine when its folder can be written (the
// first start makes it); a file that exists is never made or mended here, so
// one the diary cannot use is left exactly as it was.
struct DiaryFileCheck {
    enum class Problem {
        None,
        CannotCreate,     // missing, and its folder cannot be written
        Folder,           // a folder stands at its path
        NotAFile,         // a device, pipe, socket...
        DanglingLink,     // a link to nothing
        Unreadable,
        Empty,            // zero bytes
        Truncated,        // shorter than the database it holds
        NotADatabase,
        Damaged,
        ForeignDatabase,  // a database without the diary's tables
        MissingColumns,   // the diary's tables, but not all their columns
        ReadOnlyFile,
        ReadOnlyFolder,   // the journal beside it cannot be made
        Locked,           // another program holds it
        CannotOpen,
    };

    Problem problem = Problem::None;
    std::string path;
    std::string detail;  // what SQLite said, or which column is missing
    // Whether every page was read: skipped while the file is as this program left it.
    bool deep = false;

    bool Usable() const { return problem == Problem::None; }
    // One sentence for the user that names the file and what is wrong.
    std::string Message() const;

    static DiaryFileCheck Of(const platform::FolderItem::Ref& file);
};
