#include "store/DiaryFileStamp.h"

#include "platform/Files.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/statfs.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr char kFolderName[] = "dirizezoz";
constexpr int32_t kHeaderSize = 100;

std::string Absolute(const std::string& path)
{
    std::error_code error;
    auto absolute = fs::absolute(path, error);
    // SQLite works on the file a link leads to, and keeps its journal beside that.
    struct stat status {};
    if (!error && ::lstat(absolute.c_str(), &status) == 0 && S_ISLNK(status.st_mode))
        absolute = fs::canonical(absolute, error);
    return error ? std::string() : absolute.string();
}

// FNV-1a: the same name for the same path in every build.
uint64_t PathHash(const std::string& path)
{
    uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : path)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

std::string StampFileOf(const std::string& absolute)
{
    const fs::path cache = platform::CacheFolder()->NativePath();
    if (!cache.is_absolute() || absolute.empty())
        return "";
    char name[32];
    std::snprintf(name, sizeof name, "%016llx.stamp", static_cast<unsigned long long>(PathHash(absolute)));
    return (cache / kFolderName / name).string();
}

// FAT and exFAT store no change time: what reads as one after the volume is
// mounted again need not have moved with the writes before.
bool TrueChangeTimes(const std::string& path)
{
    struct statfs system {};
    return ::statfs(path.c_str(), &system) == 0 && system.f_type != MSDOS_SUPER_MAGIC &&
           system.f_type != EXFAT_SUPER_MAGIC;
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : mDescriptor(descriptor) {}
    ~Descriptor()
    {
        if (mDescriptor >= 0)
            ::close(mDescriptor);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return mDescriptor; }

private:
    int mDescriptor;
};

}  // namespace

std::optional<DiaryFileStamp> DiaryFileStamp::Of(const platform::REALSQLDatabase& db)
{
    DiaryFileStamp stamp;
    stamp.mPath = db.DatabaseFile() ? Absolute(db.DatabaseFile()->NativePath()) : std::string();
    struct stat status {};
    // A journal beside it: a write under way or cut short, which may change the file.
    if (stamp.mPath.empty() || ::lstat((stamp.mPath + "-journal").c_str(), &status) == 0 ||
        ::lstat((stamp.mPath + "-wal").c_str(), &status) == 0 || ::stat(stamp.mPath.c_str(), &status) != 0 ||
        !S_ISREG(status.st_mode) || !TrueChangeTimes(stamp.mPath))
        return std::nullopt;
    const std::string header = db.ReadFileStart(kHeaderSize);
    if (header.size() != kHeaderSize)
        return std::nullopt;
    // Only in rollback-journal mode does every commit move the counter in the file itself.
    if (header[18] != 1 || header[19] != 1)
        return std::nullopt;
    stamp.mDevice = status.st_dev;
    stamp.mInode = status.st_ino;
    stamp.mSize = status.st_size;
    stamp.mModifiedSeconds = status.st_mtim.tv_sec;
    stamp.mModifiedNanoseconds = status.st_mtim.tv_nsec;
    stamp.mChangedSeconds = status.st_ctim.tv_sec;
    stamp.mChangedNanoseconds = status.st_ctim.tv_nsec;
    for (size_t at = 24; at < 28; ++at)
        stamp.mChangeCounter = stamp.mChangeCounter << 8 | static_cast<unsigned char>(header[at]);
    return stamp;
}

std::string DiaryFileStamp::StampFile(const std::string& path) { return StampFileOf(Absolute(path)); }

void DiaryFileStamp::Forget(const std::string& path)
{
    if (const std::string file = StampFile(path); !file.empty())
        ::unlink(file.c_str());
}

std::string DiaryFileStamp::Text() const
{
    return "diary file stamp 1\n" + mPath + "\n" + std::to_string(mDevice) + " " + std::to_string(mInode) + " " +
           std::to_string(mSize) + " " + std::to_string(mModifiedSeconds) + "." +
           std::to_string(mModifiedNanoseconds) + " " + std::to_string(mChangedSeconds) + "." +
           std::to_string(mChangedNanoseconds) + " " + std::to_string(mChangeCounter) + "\n";
}

bool DiaryFileStamp::Saved() const
{
    const std::string file = StampFileOf(mPath);
    if (file.empty())
        return false;
    const Descriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.Get() < 0)
        return false;
    // The whole stamp and nothing more: a torn or mixed write never matches.
    const std::string expected = Text();
    std::string kept(expected.size() + 1, '\0');
    const ssize_t read = ::pread(in.Get(), kept.data(), kept.size(), 0);
    return read == static_cast<ssize_t>(expected.size()) && kept.compare(0, expected.size(), expected) == 0;
}

void DiaryFileStamp::Save() const
{
    const std::string file = StampFileOf(mPath);
    if (file.empty())
        return;
    const auto open = [&file] { return ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600); };
    int descriptor = open();
    if (descriptor < 0 && errno == ENOENT) {
        std::error_code error;
        fs::create_directories(fs::path(file).parent_path(), error);
        descriptor = open();
    }
    // Rewritten in place, not truncated first: the file system would then
    // write the new stamp out at once, costing more than the commit itself.
    const Descriptor out(descriptor);
    const std::string text = Text();
    if (out.Get() < 0 || ::pwrite(out.Get(), text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()) ||
        ::ftruncate(out.Get(), static_cast<off_t>(text.size())) != 0)
        ::unlink(file.c_str());
}

DiaryFileStamp::Renewal::Renewal(const platform::REALSQLDatabase& db) : mDatabase(db)
{
    // Under the write lock no other SQLite writer can commit until ours has.
    if (auto now = Of(db); now && now->Saved())
        mBefore = std::move(now);
}

void DiaryFileStamp::Renewal::Committed() const
{
    if (!mBefore)
        return;
    // Our commit moves the counter by one at most; anything more is another writer's.
    const auto after = Of(mDatabase);
    if (after && (*after == *mBefore || after->mChangeCounter == static_cast<uint32_t>(mBefore->mChangeCounter + 1)))
        after->Save();
    else
        Forget(mBefore->mPath);
}
