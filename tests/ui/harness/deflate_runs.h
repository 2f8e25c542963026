// A small deflate encoder for pictures of dialogs: fixed Huffman codes, and runs of a repeated
// byte as matches one byte back, which is most of what such pictures hold once filtered.
#pragma once
#include <cstdint>
#include <vector>

// The data as one final deflate block (RFC 1951), without a zlib wrapper.
std::vector<uint8_t> DeflateRuns(const std::vector<uint8_t>& data);
