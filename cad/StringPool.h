#pragma once
// Interned strings: every distinct text of a drawing is stored once and named by a
// small id, so that entities stay small and names compare as integers.

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cad {

using StringId = std::uint32_t;
// The empty string always has this id.
inline constexpr StringId kEmptyString = 0;

class StringPool {
public:
    StringPool();
    StringPool(StringPool&&) noexcept = default;
    StringPool& operator=(StringPool&&) noexcept = default;

    // The id of `text`, adding it when new. Texts are UTF-8.
    StringId intern(std::string_view text);
    // The text of an id handed out by intern(); the empty string for an unknown id.
    std::string_view view(StringId id) const;
    std::size_t size() const { return entries_.size(); }
    // Bytes held for the texts themselves.
    std::size_t bytes() const { return bytes_; }

private:
    std::string_view store(std::string_view text);

    std::vector<std::unique_ptr<char[]>> chunks_;
    char* fill_ = nullptr; // the chunk that short texts are appended to
    std::size_t fillUsed_ = 0;
    std::size_t bytes_ = 0;
    std::vector<std::string_view> entries_;
    std::unordered_map<std::string_view, StringId> ids_;
};

} // namespace cad
