#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <optional>
#include <vector>

namespace reliability {

// Delta debugging over a list: removes ever smaller chunks while `fails`
// still reports the failure. `fails` returns the list it actually ran (it may
// drop items that had no effect) or nothing when the failure is gone.
template <typename T, typename Fails>
std::vector<T> ddmin(std::vector<T> cur, Fails fails, std::chrono::seconds budget = std::chrono::seconds(120)) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + budget;
    std::size_t n = 2;
    while (cur.size() >= 2 && Clock::now() < deadline) {
        const std::size_t chunk = (cur.size() + n - 1) / n;
        bool reduced = false;
        for (std::size_t start = 0; start < cur.size() && !reduced; start += chunk) {
            std::vector<T> rest(cur.begin(), cur.begin() + static_cast<std::ptrdiff_t>(start));
            rest.insert(rest.end(), cur.begin() + static_cast<std::ptrdiff_t>(std::min(cur.size(), start + chunk)),
                        cur.end());
            if (std::optional<std::vector<T>> r = fails(rest)) {
                cur = std::move(*r);
                n = std::max<std::size_t>(n - 1, 2);
                reduced = true;
            }
        }
        if (!reduced) {
            if (n >= cur.size()) break;
            n = std::min(cur.size(), n * 2);
        }
    }
    return cur;
}

} // namespace reliability
