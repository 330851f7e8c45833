#include "CollidingPlates.h"

#include <unordered_map>

std::vector<std::vector<std::string>> FindColliding26(std::size_t groups, std::size_t size, const std::string& prefix)
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

std::string Code26(const std::string& plate)
{
    return std::string(Wiegand26RowCells(ComputePlateCodes(plate))[Wiegand26Column::Code]);
}
