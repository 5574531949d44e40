// Reads the version information and icon groups out of a compiled Windows resource (.res) file, or
// out of the resource section of a Windows program (.exe).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velsora::testing {

struct IconEntry {
    int width = 0; // 0 in the file means 256
    int height = 0;
    int colorCount = 0; // 0 means 256 or more
    int bitCount = 0;
};

struct ResourceFile {
    // VS_FIXEDFILEINFO
    std::uint32_t signature = 0;
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
    std::uint32_t productVersionMS = 0;
    std::uint32_t productVersionLS = 0;
    // StringFileInfo: block key ("040904B0") -> value name -> text
    std::map<std::string, std::map<std::string, std::string>> strings;
    // VarFileInfo\Translation: (language, code page) pairs
    std::vector<std::pair<int, int>> translations;
    // Every icon group's entries
    std::vector<std::vector<IconEntry>> iconGroups;
};

// Parses the bytes of a .res file; nothing when they are not one.
std::optional<ResourceFile> readResourceFile(const std::vector<unsigned char>& bytes);
// Parses the bytes of a 64-bit Windows program; nothing when they are not one with a version.
std::optional<ResourceFile> readExecutable(const std::vector<unsigned char>& bytes);

} // namespace velsora::testing
