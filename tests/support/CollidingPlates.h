#pragma once
// Plates whose 26-bit codes collide, found by computing the codes of generated
// plates (the prefix, then 0, 1, 2, ...) until enough groups turn up. About one pair turns up
// per 4,000 plates.

#include "PlateCodes.h"

#include <string>
#include <vector>

// `groups` groups of `size` distinct plates that share a 26-bit code.
std::vector<std::vector<std::string>> FindColliding26(std::size_t groups, std::size_t size, const std::string& prefix = "CP");

// The 26-bit code of a plate as its result row shows it.
std::string Code26(const std::string& plate);
