#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// The permutation that sorts items 0..n-1 stably by `less`: position i of the
// result names the item that goes to place i. Dictionaries are sorted after
// every insertion, so the input is nearly always sorted but for a few items:
// those are taken out, sorted on their own and merged back, which costs
// O(n + k log k) for k items out of place instead of O(n log n).
template <typename Less>
std::vector<std::uint32_t> stableOrder(std::uint32_t n, Less less) {
  std::vector<std::uint32_t> kept, strays;
  kept.reserve(n);
  for (std::uint32_t i = 0; i < n; ++i) {
    if (!kept.empty() && less(i, kept.back()))
      strays.push_back(i);
    else
      kept.push_back(i);
  }
  if (strays.empty()) return kept;
  std::stable_sort(strays.begin(), strays.end(), less);
  // Both runs are ordered by (item, then original position); merging by the
  // same pair gives exactly the stable order.
  std::vector<std::uint32_t> order;
  order.reserve(n);
  std::merge(kept.begin(), kept.end(), strays.begin(), strays.end(), std::back_inserter(order),
             [&](std::uint32_t a, std::uint32_t b) { return less(a, b) || (!less(b, a) && a < b); });
  return order;
}
