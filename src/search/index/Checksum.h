#pragma once
// CRC-32C (Castagnoli) of the index's parts: a damaged byte in what a search reads is
// noticed before it is believed. The processor's instruction where it has one.
#include <cstddef>
#include <cstdint>

namespace quilmo::search {

std::uint32_t crc32c(const void* data, std::size_t size, std::uint32_t crc = 0);

}  // namespace quilmo::search
