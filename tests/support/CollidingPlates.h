#pragma once
// Plates whose 26-bit codes collide, found by computing the codes of generated
// plates (the prefix, then 0, 1, 2, ...) until enough groups turn up. About one pair turns up
// per 4,000 plates.

#include "PlateCodes.h"

#include <string>
#include <unordered_map>
#include <vector>

// `groups` groups of `size` distinct plates that share a 26-bit code.
inline std::vector<std::vector<std::string>> FindColliding26(std::size_t groups, std::size_t size, const std::string& prefix = "CP")
{
    std::unordered_map<std::uint32_t, std::vector<std::string>> byCode;
    std::vector<std::vector<std::string>> found;
    for (std::uint64_t i = 0; found.size() < groups; ++i) {
        const std::string plate = prefix + std::to_string(i);
        std::vector<std::string>& same = byCode[ComputePlateCodes(plate).Wiegand26];
        same.push_back(plate);
        if (same.size() == size)
            found.push_back(same);
    }
    return found;
}
