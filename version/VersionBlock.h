// One block of a version resource, parsed with its children: the header
// values, the key, the value bytes, the first child and the next sibling.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tonik {

class VersionBlock {
public:
    VersionBlock() = default;
    VersionBlock(const VersionBlock&) = delete;
    VersionBlock& operator=(const VersionBlock&) = delete;
    // Destroys the children and every sibling after this block.
    virtual ~VersionBlock();

    // Parses a whole block at position, whose start counts as 4-aligned, from at
    // most available bytes; with expectedKey the key must equal it exactly.
    // On success advances position and lowers available by wLength.
    static std::unique_ptr<VersionBlock> Parse(const uint8_t*& position, size_t& available,
                                               const char16_t* expectedKey);

    // The first direct child whose key equals key ignoring case; with recursive,
    // then the children's own descendants in order. Never this block itself.
    VersionBlock* FindChild(const char16_t* key, bool recursive) const;
    VersionBlock* FindChild(const char* key, bool recursive) const;

    // Releases key, value and children and zeroes the header; withSiblings also
    // destroys the blocks after this one.
    void Clear(bool withSiblings);

    uint32_t wLength = 0;
    uint32_t wValueLength = 0;
    uint32_t wType = 0;
    std::u16string key;          // empty for a block without a key
    std::vector<uint8_t> value;  // empty for a block without a value
    std::unique_ptr<VersionBlock> nextSibling;
    std::unique_ptr<VersionBlock> firstChild;
};

// Case-insensitive comparison of UTF-16 keys (ASCII letters fold).
bool KeysEqualIgnoringCase(const std::u16string& a, const char16_t* b);

}  // namespace tonik
