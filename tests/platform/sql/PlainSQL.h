#pragma once

// Test helpers: a throw-away folder and a plain SQLite connection that checks
// what the SQL layer and the store left in a file.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using Rows = std::vector<std::vector<std::string>>;

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "diary-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        mPath = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(mPath, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return mPath; }

private:
    std::filesystem::path mPath;
};

class PlainSQL {
public:
    static constexpr const char* kNull = "<null>";

    explicit PlainSQL(const std::filesystem::path& file)
    {
        if (sqlite3_open_v2(file.c_str(), &mConnection, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
            SQLITE_OK)
            ADD_FAILURE() << "cannot open " << file << ": " << sqlite3_errmsg(mConnection);
    }
    ~PlainSQL() { sqlite3_close_v2(mConnection); }
    PlainSQL(const PlainSQL&) = delete;
    PlainSQL& operator=(const PlainSQL&) = delete;

    void Exec(const std::string& sql)
    {
        char* message = nullptr;
        EXPECT_EQ(sqlite3_exec(mConnection, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK)
            << sql << ": " << (message ? message : "");
        sqlite3_free(message);
    }

    // Every row of a query, each column as text (kNull for NULL).
    Rows Query(const std::string& sql)
    {
        Rows rows;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(mConnection, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(mConnection);
            return rows;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                row.emplace_back(text ? text : kNull);
            }
            rows.push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        return rows;
    }
    // The first column of the first row; kNull when there is no row.
    std::string Text(const std::string& sql)
    {
        const auto rows = Query(sql);
        return rows.empty() || rows[0].empty() ? kNull : rows[0][0];
    }
    int64_t Count(const std::string& table) { return std::stoll(Text("SELECT count(*) FROM " + table)); }

private:
    sqlite3* mConnection = nullptr;
};
