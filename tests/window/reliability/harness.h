#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

namespace reliability {

// Where the choices come from: fuzzer bytes, or a seeded generator whose
// sequence the standard fixes, the same on every platform.
class Source {
public:
    explicit Source(std::uint64_t seed) : m_rng(seed) {}
    Source(const std::uint8_t* data, std::size_t size) : m_data(data), m_end(data + size) {}
    bool exhausted() const { return m_data && m_data == m_end; }
    std::uint32_t pick(std::uint32_t n); // 0 to n - 1

private:
    std::mt19937_64 m_rng;
    const std::uint8_t *m_data = nullptr, *m_end = nullptr;
};

struct Screen {
    const char* name;
    float twipsPerPixelX, frameHeight; // resolution; the window's frame (0 without a window manager)
};

// A fresh window driven by up to `length` user actions from the source, with
// every invariant checked after each. Returns the first invariant broken and
// the actions that led there, one a line; empty when everything held.
std::string runSession(Source& src, const Screen& screen, long length);

} // namespace reliability
