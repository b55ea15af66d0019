#pragma once

#include "platform/sql/REALSQLDatabase.h"

#include <cstdint>
#include <optional>
#include <string>

// The diary's file as this program last knew it whole: after a full check of
// its pages passed, or after one of its own commits to a file so known. While
// the file still matches (identity, size, times, SQLite's change counter),
// nobody else has written it and the full check can be skipped. Kept in the
// user's cache folder, never beside the diary, and written without syncing:
// a stamp lost or torn costs one more full check, as only a whole one
// describing the file as it is now ever matches.
class DiaryFileStamp {
public:
    // The connection's file as it is now; nothing when it cannot be stamped:
    // unreadable, a journal beside it, or not in rollback-journal mode.
    static std::optional<DiaryFileStamp> Of(const platform::REALSQLDatabase& db);
    // Where the stamp of the file is kept; "" when the user has no cache folder.
    static std::string StampFile(const std::string& path);
    static void Forget(const std::string& path);

    // Whether the kept stamp is this one.
    bool Saved() const;
    void Save() const;

    class Renewal;

    bool operator==(const DiaryFileStamp&) const = default;

private:
    DiaryFileStamp() = default;
    std::string Text() const;

    std::string mPath;  // absolute
    uint64_t mDevice = 0;
    uint64_t mInode = 0;
    int64_t mSize = 0;
    int64_t mModifiedSeconds = 0;
    int64_t mModifiedNanoseconds = 0;
    // Unlike the modification time, nobody can set this one back.
    int64_t mChangedSeconds = 0;
    int64_t mChangedNanoseconds = 0;
    // Moved by every commit, even two within one tick of the file times.
    uint32_t mChangeCounter = 0;
};

// Carries the stamp over one of the store's own write transactions: made once
// the transaction holds the write lock, told after its commit.
class DiaryFileStamp::Renewal {
public:
    explicit Renewal(const platform::REALSQLDatabase& db);
    void Committed() const;

private:
    const platform::REALSQLDatabase& mDatabase;
    std::optional<DiaryFileStamp> mBefore;  // only when the kept stamp matched
};
