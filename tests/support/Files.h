#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testsupport {

// What a file holds, to check that it was left as it was; "" where there is no plain file.
inline std::string FileBytes(const std::filesystem::path& path)
{
    if (!std::filesystem::is_regular_file(path))
        return "";
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace testsupport
