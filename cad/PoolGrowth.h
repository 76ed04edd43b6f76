#pragma once
// Growth of the big stores and pools while a reader fills them. A store grows to
// twice its size in a new buffer that the system is asked to back with huge
// pages where it can: for the hundreds of megabytes of a large drawing that
// halves the cost of the memory's first use.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace cad {

// Asks for huge pages over the whole 2 MB pages inside [data, data + bytes).
void adviseHugePages(void* data, std::size_t bytes);

// Makes room for one more element.
template <class T> void growForOneMore(std::vector<T>& v) {
    if (v.size() < v.capacity())
        return;
    constexpr std::size_t kFirst = 64;
    std::vector<T> bigger;
    bigger.reserve(std::max(kFirst, v.capacity() * 2));
    adviseHugePages(bigger.data(), bigger.capacity() * sizeof(T));
    bigger.insert(bigger.end(), std::make_move_iterator(v.begin()),
                  std::make_move_iterator(v.end()));
    v.swap(bigger);
}

template <class T> void appendGrowing(std::vector<T>& v, T&& value) {
    growForOneMore(v);
    v.push_back(std::move(value));
}
template <class T> void appendGrowing(std::vector<T>& v, const T& value) {
    growForOneMore(v);
    v.push_back(value);
}

// Appends to a pool and extends the range that names an entity's part of it;
// returns the new element's index (pointers would not survive the next append).
template <class T, class Range>
std::size_t appendToRange(std::vector<T>& pool, Range& range, const T& value = T{}) {
    if (range.count == 0)
        range.first = std::uint32_t(pool.size());
    appendGrowing(pool, value);
    ++range.count;
    return pool.size() - 1;
}

} // namespace cad
