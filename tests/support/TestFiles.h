#pragma once
// Whole files in and out, for tests that look at what was written.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

// The file's bytes; empty for a file that cannot be read.
inline std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Writes the file whole, making its folders.
inline void writeFile(const std::filesystem::path& file, const std::string& text)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

} // namespace testsupport
