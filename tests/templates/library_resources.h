// The built library loaded once for the resource tests, and the raw bytes of its resources.
#pragma once
#include <windows.h>

#include <cstdint>
#include <set>
#include <utility>

namespace template_test {

// QZW9SVB.dll from the test program's directory; null when it cannot be loaded.
HMODULE Library();

// Integer ids of every resource of a type; a resource named by a string counts as id 0.
std::set<std::uint16_t> ResourceIds(LPCSTR type);

// Address and size of a resource, or {nullptr, 0} when the library has none with that id.
std::pair<const std::uint8_t*, std::size_t> ResourceBytes(std::uint16_t id, LPCSTR type);

} // namespace template_test
