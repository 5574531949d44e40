// A small .res and PE reader: resource headers or the resource section, the VS_VERSIONINFO tree
// and icon group directories.
#include "version_resource.h"

#include <algorithm>

namespace velsora::testing {

namespace {
using Bytes = std::vector<unsigned char>;

constexpr int kTypeIcon = 14; // RT_GROUP_ICON
constexpr int kTypeVersion = 16;
constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;

std::size_t align4(std::size_t at)
{
    return (at + 3) & ~std::size_t{3};
}

struct Reader {
    const Bytes& b;
    bool ok = true;

    std::uint32_t u16(std::size_t at)
    {
        if (at + 2 > b.size()) {
            ok = false;
            return 0;
        }
        return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
    }
    std::uint32_t u32(std::size_t at) { return u16(at) | (u16(at + 2) << 16); }

    // A NUL-terminated UTF-16 string as UTF-8; `at` moves past the NUL.
    std::string text(std::size_t& at, std::size_t end)
    {
        std::string out;
        while (ok && at + 2 <= end) {
            const std::uint32_t c = u16(at);
            at += 2;
            if (c == 0) {
                return out;
            }
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (c < 0x800) {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (c >> 12));
                out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        ok = false;
        return out;
    }

    // A resource type or name: 0xFFFF and a number, or a string (-1 then).
    int nameOrId(std::size_t& at, std::size_t end)
    {
        if (u16(at) == 0xFFFF) {
            const auto id = static_cast<int>(u16(at + 2));
            at += 4;
            return id;
        }
        (void)text(at, end);
        return -1;
    }
};

// One node of the version tree: wLength, wValueLength, wType, key, value, children.
void readVersionNode(Reader& r, std::size_t at, const std::string& parent, ResourceFile& out)
{
    const std::size_t length = r.u16(at);
    const std::size_t valueLength = r.u16(at + 2);
    const std::uint32_t type = r.u16(at + 4);
    const std::size_t end = at + length;
    if (!r.ok || length < 6 || end > r.b.size()) {
        r.ok = false;
        return;
    }
    std::size_t p = at + 6;
    const std::string key = r.text(p, end);
    p = align4(p);
    if (key == "VS_VERSION_INFO" && valueLength >= 52) {
        out.signature = r.u32(p);
        out.fileVersionMS = r.u32(p + 8);
        out.fileVersionLS = r.u32(p + 12);
        out.productVersionMS = r.u32(p + 16);
        out.productVersionLS = r.u32(p + 20);
    } else if (key == "Translation") {
        for (std::size_t v = 0; v + 4 <= valueLength; v += 4) {
            out.translations.emplace_back(r.u16(p + v), r.u16(p + v + 2));
        }
    } else if (type == 1 && valueLength > 0 && parent.size() == 8) {
        std::size_t v = p;
        out.strings[parent][key] = r.text(v, end);
    }
    // Text values count in characters, binary ones in bytes.
    p = align4(p + (type == 1 ? valueLength * 2 : valueLength));
    while (r.ok && p + 6 <= end) {
        const std::size_t childLength = r.u16(p);
        if (childLength == 0) {
            break;
        }
        readVersionNode(r, p, key, out);
        p = align4(p + childLength);
    }
}

void readIconGroup(Reader& r, std::size_t at, std::size_t size, ResourceFile& out)
{
    const std::size_t count = r.u16(at + 4);
    std::vector<IconEntry> entries;
    for (std::size_t i = 0; i < count && 6 + (i + 1) * 14 <= size; ++i) {
        const std::size_t e = at + 6 + i * 14;
        entries.push_back({static_cast<int>(r.b[e]), static_cast<int>(r.b[e + 1]), static_cast<int>(r.b[e + 2]),
                           static_cast<int>(r.u16(e + 6))});
    }
    out.iconGroups.push_back(std::move(entries));
}
} // namespace

namespace {
// Where one resource's data stands in the program's file.
struct Found {
    std::size_t at = 0;
    std::size_t size = 0;
};
} // namespace

std::optional<ResourceFile> readExecutable(const Bytes& bytes)
{
    Reader r{bytes};
    const std::size_t pe = r.u32(0x3C);
    if (!r.ok || r.u32(pe) != 0x00004550 || r.u16(pe + 24) != 0x20B) { // "PE\0\0", PE32+
        return std::nullopt;
    }
    const std::size_t sections = r.u16(pe + 6);
    const std::size_t optional = pe + 24;
    const std::size_t sectionTable = optional + r.u16(pe + 20);
    const std::size_t resourceRva = r.u32(optional + 112 + 2 * 8); // data directory 2: resources
    // Addresses in the image to offsets in the file, through the section table.
    const auto offsetOf = [&](std::size_t rva) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < sections; ++i) {
            const std::size_t s = sectionTable + i * 40;
            const std::size_t va = r.u32(s + 12);
            const std::size_t length = std::max(r.u32(s + 8), r.u32(s + 16));
            if (rva >= va && rva < va + length) {
                return rva - va + r.u32(s + 20);
            }
        }
        return std::nullopt;
    };
    const auto root = offsetOf(resourceRva);
    if (!r.ok || !root) {
        return std::nullopt;
    }
    // The resource tree: type, then name, then language; the leaves say where the data is.
    std::vector<std::pair<int, Found>> found;
    const auto entries = [&](std::size_t dir) {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> out;
        const std::size_t count = r.u16(dir + 12) + r.u16(dir + 14);
        for (std::size_t i = 0; i < count && r.ok && i < 4096; ++i) {
            out.emplace_back(r.u32(dir + 16 + i * 8), r.u32(dir + 20 + i * 8));
        }
        return out;
    };
    constexpr std::uint32_t kSubdirectory = 0x80000000U;
    for (const auto& [type, names] : entries(*root)) {
        if ((names & kSubdirectory) == 0) {
            continue;
        }
        for (const auto& [name, languages] : entries(*root + (names & ~kSubdirectory))) {
            if ((languages & kSubdirectory) == 0) {
                continue;
            }
            for (const auto& [language, leaf] : entries(*root + (languages & ~kSubdirectory))) {
                const auto data = offsetOf(r.u32(*root + leaf));
                if ((leaf & kSubdirectory) != 0 || !data) {
                    return std::nullopt;
                }
                found.emplace_back(static_cast<int>(type), Found{*data, r.u32(*root + leaf + 4)});
            }
        }
    }
    ResourceFile out;
    bool sawVersion = false;
    for (const auto& [type, where] : found) {
        if (where.at + where.size > bytes.size()) {
            return std::nullopt;
        }
        if (type == kTypeVersion) {
            readVersionNode(r, where.at, {}, out);
            sawVersion = true;
        } else if (type == kTypeIcon) {
            readIconGroup(r, where.at, where.size, out);
        }
    }
    if (!r.ok || !sawVersion || out.signature != kFixedSignature) {
        return std::nullopt;
    }
    return out;
}

std::optional<ResourceFile> readResourceFile(const Bytes& bytes)
{
    Reader r{bytes};
    ResourceFile out;
    bool sawVersion = false;
    std::size_t at = 0;
    while (at + 32 <= bytes.size()) {
        const std::size_t dataSize = r.u32(at);
        const std::size_t headerSize = r.u32(at + 4);
        const std::size_t data = at + headerSize;
        if (headerSize < 32 || data + dataSize > bytes.size()) {
            return std::nullopt;
        }
        std::size_t p = at + 8;
        const int type = r.nameOrId(p, data);
        (void)r.nameOrId(p, data);
        if (type == kTypeVersion) {
            readVersionNode(r, data, {}, out);
            sawVersion = true;
        } else if (type == kTypeIcon) {
            readIconGroup(r, data, dataSize, out);
        }
        if (!r.ok) {
            return std::nullopt;
        }
        at = align4(data + dataSize);
    }
    if (!sawVersion || out.signature != kFixedSignature) {
        return std::nullopt;
    }
    return out;
}

} // namespace velsora::testing
