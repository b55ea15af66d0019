#include "store/DiaryFileCheck.h"

#include "platform/sql/REALSQLDatabase.h"
#include "store/DiaryFileStamp.h"

#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using platform::REALSQLDatabase;
using Problem = DiaryFileCheck::Problem;

namespace {

constexpr std::string_view kMagic{"SQLite format 3\0", 16};
constexpr size_t kHeaderSize = 100;

// Every column the store reads or writes, by table.
const std::vector<std::pair<std::string, std::vector<std::string>>>& DiaryColumns()
{
    static const std::vector<std::pair<std::string, std::vector<std::string>>> columns{
        {"daily",
         {"id", "cal_goal_reached", "cal_goal", "calorie_total", "entry_date", "steps", "step_goal",
          "steps_goal_reached"}},
        {"food", {"id", "caloric_item", "cal_val", "eaten_date"}},
    };
    return columns;
}

// Writable for this user, and not marked read-only: a diary run with more
// rights than its owner still leaves a file marked so alone.
bool Writable(const fs::path& path, const fs::file_status& status)
{
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return ::access(path.c_str(), W_OK) == 0 && (status.permissions() & write) != fs::perms::none;
}

uint32_t BigEndian(const std::array<unsigned char, kHeaderSize>& bytes, size_t at, size_t count)
{
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i)
        value = (value << 8) | bytes[at + i];
    return value;
}

// What the first bytes say; None when they look like a whole database.
Problem FromHeader(const fs::path& path, uintmax_t size)
{
    std::array<unsigned char, kHeaderSize> header{};
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(header.data()), header.size());
    const auto read = static_cast<size_t>(in.gcount());
    if (!in && read != size)
        return Problem::Unreadable;
    const std::string_view start(reinterpret_cast<const char*>(header.data()), std::min(read, kMagic.size()));
    if (start != kMagic.substr(0, start.size()))
        return Problem::NotADatabase;
    if (read < kHeaderSize)
        return Problem::Truncated;
    uint32_t pageSize = BigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
        return Problem::Damaged;
    // The page count is trusted only while the change counter matches its copy.
    const uint32_t pages = BigEndian(header, 28, 4);
    const bool countValid = pages != 0 && BigEndian(header, 24, 4) == BigEndian(header, 92, 4);
    if (size % pageSize != 0 || (countValid && size < uintmax_t{pages} * pageSize))
        return Problem::Truncated;
    return Problem::None;
}

Problem FromFailure(REALSQLDatabase::Failure failure)
{
    switch (failure) {
    case REALSQLDatabase::Failure::Busy:
        return Problem::Locked;
    case REALSQLDatabase::Failure::NotADatabase:
        return Problem::NotADatabase;
    case REALSQLDatabase::Failure::Corrupt:
        return Problem::Damaged;
    case REALSQLDatabase::Failure::ReadOnly:
        return Problem::ReadOnlyFile;
    default:
        return Problem::CannotOpen;
    }
}

// The tables and columns the diary needs; None when all are there.
std::pair<Problem, std::string> FromSchema(REALSQLDatabase& db)
{
    size_t tablesFound = 0;
    std::string missing;
    for (const auto& [table, columns] : DiaryColumns()) {
        auto rs = db.SQLSelect("SELECT name FROM pragma_table_info(?)", {table});
        if (!rs)
            return {FromFailure(db.ErrorKind()), db.ErrorMessage()};
        std::set<std::string> present;
        for (; !rs->IsEOF(); rs->MoveNext())
            present.insert(rs->Field("name").StringValue());
        if (!present.empty())
            ++tablesFound;
        for (const auto& column : columns)
            if (!present.count(column) && missing.empty())
                missing = present.empty() ? "the table " + table : "the column " + column + " of the table " + table;
    }
    if (tablesFound == 0)
        return {Problem::ForeignDatabase, ""};
    if (!missing.empty())
        return {Problem::MissingColumns, missing};
    return {Problem::None, ""};
}

std::pair<Problem, std::string> FromDatabase(const platform::FolderItem::Ref& file, bool& deep)
{
    auto db = REALSQLDatabase::Create();
    db->SetDatabaseFile(file);
    const auto failed = [&db] { return std::pair{FromFailure(db->ErrorKind()), db->ErrorMessage()}; };
    // Read only first, so that a file which proves unusable is never written.
    // Only a write that crashed half way (a hot journal) needs the journal
    // played back, and that restores the file the diary itself last committed.
    if (!db->ConnectReadOnly() &&
        (db->ErrorKind() != REALSQLDatabase::Failure::NeedsRecovery || !db->Connect()))
        return failed();
    if (auto schema = FromSchema(*db); schema.first != Problem::None)
        return schema;
    // Reading every page costs time that grows with the diary: skipped while
    // the file is just as this program left it.
    const auto stamp = DiaryFileStamp::Of(*db);
    deep = !stamp || !stamp->Saved();
    if (deep) {
        auto check = db->SQLSelect("PRAGMA quick_check(1)");
        if (!check)
            return failed();
        if (check->IsEOF() || check->Field("quick_check").StringValue() != "ok")
            return {Problem::Damaged, check->IsEOF() ? "" : check->Field("quick_check").StringValue()};
    }
    // Another program may be writing: the diary could read but never save.
    if (!db->Connect() || !db->BeginTransaction())
        return failed();
    db->Rollback();
    // Only the pages read: a file changed meanwhile keeps no stamp.
    if (deep && stamp && DiaryFileStamp::Of(*db) == stamp)
        stamp->Save();
    return {Problem::None, ""};
}

std::pair<Problem, std::string> Examine(const platform::FolderItem::Ref& file, bool& deep)
{
    const fs::path path(file->NativePath());
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    std::error_code error;
    const auto link = fs::symlink_status(path, error);
    if (link.type() == fs::file_type::not_found) {
        const auto folderStatus = fs::status(folder, error);
        return {fs::is_directory(folderStatus) && Writable(folder, folderStatus) ? Problem::None
                                                                                  : Problem::CannotCreate,
                ""};
    }
    const auto status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return {Problem::DanglingLink, fs::read_symlink(path, error).string()};
    if (fs::is_directory(status))
        return {Problem::Folder, ""};
    if (!fs::is_regular_file(status))
        return {Problem::NotAFile, ""};
    if (::access(path.c_str(), R_OK) != 0)
        return {Problem::Unreadable, ""};
    const uintmax_t size = fs::file_size(path, error);
    if (error)
        return {Problem::Unreadable, error.message()};
    if (size == 0)
        return {Problem::Empty, ""};
    if (const Problem header = FromHeader(path, size); header != Problem::None)
        return {header, ""};
    if (!Writable(path, status))
        return {Problem::ReadOnlyFile, ""};
    // The journal of every change is made beside the file.
    if (!Writable(folder, fs::status(folder, error)))
        return {Problem::ReadOnlyFolder, folder.string()};
    return FromDatabase(file, deep);
}

}  // namespace

DiaryFileCheck DiaryFileCheck::Of(const platform::FolderItem::Ref& file)
{
    DiaryFileCheck check;
    check.path = file->NativePath();
    std::tie(check.problem, check.detail) = Examine(file, check.deep);
    if (!check.Usable())
        DiaryFileStamp::Forget(check.path);
    return check;
}

std::string DiaryFileCheck::Message() const
{
    std::string what;
    switch (problem) {
    case Problem::None:
        return "";
    case Problem::CannotCreate:
        what = "does not exist and cannot be made there: its folder is missing or cannot be written";
        break;
    case Problem::Folder:
        what = "is a folder, not a diary file";
        break;
    case Problem::NotAFile:
        what = "is not a file (it is a device, a pipe or a socket)";
        break;
    case Problem::DanglingLink:
        what = "is a link to \"" + detail + "\", which does not exist";
        break;
    case Problem::Unreadable:
        what = "cannot be read (permission denied)";
        break;
    case Problem::Empty:
        what = "is empty (zero bytes long): it holds no diary";
        break;
    case Problem::Truncated:
        what = "is cut short: part of the database it held is missing";
        break;
    case Problem::NotADatabase:
        what = "is not a diary database file";
        break;
    case Problem::Damaged:
        what = "is damaged" + (detail.empty() ? std::string() : " (" + detail + ")");
        break;
    case Problem::ForeignDatabase:
        what = "is a database of another program: it has no diary tables";
        break;
    case Problem::MissingColumns:
        what = "is missing " + detail;
        break;
    case Problem::ReadOnlyFile:
        what = "is read-only, so no entry could be saved";
        break;
    case Problem::ReadOnlyFolder:
        what = "is in a read-only folder, so no entry could be saved";
        break;
    case Problem::Locked:
        what = "is locked by another program";
        break;
    case Problem::CannotOpen:
        what = "cannot be opened" + (detail.empty() ? std::string() : " (" + detail + ")");
        break;
    }
    return "The diary file \"" + path + "\" " + what + ". The diary was not opened, and nothing was changed.";
}
