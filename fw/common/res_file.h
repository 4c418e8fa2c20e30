// Reads a compiled resource file (.res, the 32-bit format the resource
// compiler writes) so that the simulated backend and the tests use the very
// resources the Windows build links.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fw/common/res_types.h"

struct ResourceEntry {
    ResId type;
    ResId name;
    int language = 0;
    uint16_t memoryFlags = 0;
    uint32_t dataVersion = 0, version = 0, characteristics = 0;
    std::vector<uint8_t> data;
};

using ResourceList = std::vector<ResourceEntry>;

// False when a header or its data runs past the end; never reads out of bounds.
bool ParseResFile(const uint8_t* data, size_t size, ResourceList& out);
bool ReadResFile(const std::string& path, ResourceList& out);

// The first entry of that type and name, whatever its language; null if none.
// Defined here so that a file which also sees the platform's FindResource
// macro renames declaration and definition alike.
inline const ResourceEntry* FindResource(const ResourceList& list, const ResId& type,
                                         const ResId& name) {
    for (const ResourceEntry& entry : list)
        if (entry.type == type && entry.name == name)
            return &entry;
    return nullptr;
}

// String id from its string-table block; empty when missing.
std::string LoadStringResource(const ResourceList& list, int id);

// The icon resources that hold the images of a group icon, in its order.
std::vector<int> IconImageIds(const ResourceEntry& group);
