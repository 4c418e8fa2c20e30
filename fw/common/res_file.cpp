#include "fw/common/res_file.h"

#include <fstream>
#include <iterator>

namespace {

size_t AlignTo4(size_t n) {
    return n + (4 - n % 4) % 4;
}

// One entry: DataSize, HeaderSize, type, name, DWORD padding, then the fixed
// fields. The data follows the header; entries start on DWORD boundaries.
bool ReadEntry(const uint8_t* at, size_t left, ResourceEntry& entry, size_t& length) {
    ResReader r(at, left);
    uint32_t dataSize = r.U32();
    uint32_t headerSize = r.U32();
    entry.type = r.SzOrOrd();
    entry.name = r.SzOrOrd();
    r.AlignTo4();
    entry.dataVersion = r.U32();
    entry.memoryFlags = r.U16();
    entry.language = r.U16();
    entry.version = r.U32();
    entry.characteristics = r.U32();
    if (!r.ok() || r.offset() > headerSize || headerSize > left || dataSize > left - headerSize)
        return false;
    entry.data.assign(at + headerSize, at + headerSize + dataSize);
    length = size_t(headerSize) + dataSize;
    return true;
}

} // namespace

bool ParseResFile(const uint8_t* data, size_t size, ResourceList& out) {
    ResourceList list;
    for (size_t pos = 0; pos < size;) {
        ResourceEntry entry;
        size_t length = 0;
        if (!ReadEntry(data + pos, size - pos, entry, length))
            return false;
        // The file opens with an empty entry of type 0 that marks the format.
        if (entry.type.ordinal != 0)
            list.push_back(std::move(entry));
        pos = AlignTo4(pos + length);
    }
    out = std::move(list);
    return true;
}

bool ReadResFile(const std::string& path, ResourceList& out) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    return !file.bad() && ParseResFile(bytes.data(), bytes.size(), out);
}

std::string LoadStringResource(const ResourceList& list, int id) {
    if (id < 0 || id > 0xFFFF)
        return {};
    // A block holds sixteen counted strings; block b has the ids 16 (b - 1) on.
    const ResourceEntry* block = FindResource(list, kRtString, (id >> 4) + 1);
    if (!block)
        return {};
    ResReader r(block->data.data(), block->data.size());
    for (int i = 0; i < (id & 15); ++i)
        r.Skip(size_t(r.U16()) * 2);
    std::string text = r.Chars(r.U16());
    return r.ok() ? text : std::string();
}

std::vector<int> IconImageIds(const ResourceEntry& group) {
    // A 6-byte header, then one entry of 14 bytes per image, its id last.
    std::vector<int> ids;
    ResReader r(group.data.data(), group.data.size());
    r.Skip(4);
    const int count = r.U16();
    for (int i = 0; i < count && r.ok(); ++i) {
        r.Skip(12);
        const int id = r.U16();
        if (r.ok())
            ids.push_back(id);
    }
    return ids;
}
