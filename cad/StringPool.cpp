#include "cad/StringPool.h"

#include <algorithm>
#include <cstring>

namespace cad {

namespace {
constexpr std::size_t kChunkBytes = 64 * 1024;
}

StringPool::StringPool() {
    entries_.emplace_back();
    ids_.emplace(std::string_view(), kEmptyString);
}

std::string_view StringPool::store(std::string_view text) {
    bytes_ += text.size();
    // Long texts get a chunk of their own so that chunks are never mostly empty.
    if (text.size() > kChunkBytes / 4) {
        chunks_.push_back(std::make_unique<char[]>(text.size()));
        std::memcpy(chunks_.back().get(), text.data(), text.size());
        return {chunks_.back().get(), text.size()};
    }
    if (fill_ == nullptr || fillUsed_ + text.size() > kChunkBytes) {
        chunks_.push_back(std::make_unique<char[]>(kChunkBytes));
        fill_ = chunks_.back().get();
        fillUsed_ = 0;
    }
    char* at = fill_ + fillUsed_;
    std::memcpy(at, text.data(), text.size());
    fillUsed_ += text.size();
    return {at, text.size()};
}

StringId StringPool::intern(std::string_view text) {
    if (auto it = ids_.find(text); it != ids_.end())
        return it->second;
    const auto stored = store(text);
    const auto id = StringId(entries_.size());
    entries_.push_back(stored);
    ids_.emplace(stored, id);
    return id;
}

std::string_view StringPool::view(StringId id) const {
    return id < entries_.size() ? entries_[id] : std::string_view();
}

} // namespace cad
