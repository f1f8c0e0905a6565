#include "version/VersionBlock.h"

#include <cstring>

#include "platform/TextConvert.h"

namespace tonik {
namespace {

uint32_t Read16(const uint8_t* at)
{
    return uint32_t(at[0]) | uint32_t(at[1]) << 8;
}

char16_t FoldCase(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

// Destroys a chain of siblings one by one, so that a long chain never recurses.
void DestroyChain(std::unique_ptr<VersionBlock> block)
{
    while (block) {
        std::unique_ptr<VersionBlock> next = std::move(block->nextSibling);
        block.reset();
        block = std::move(next);
    }
}

// Takes the bytes up to the next 4-aligned offset (counted from the root's
// start) from rest; false when rest has too few.
bool SkipToAligned(size_t& offset, size_t& rest)
{
    const size_t pad = (4 - offset % 4) % 4;
    if (pad > rest)
        return false;
    offset += pad;
    rest -= pad;
    return true;
}

// The recursive parse: data is the block's first byte, at offset start from
// the root's start.
std::unique_ptr<VersionBlock> ParseAt(const uint8_t* data, size_t start, size_t available,
                                      const char16_t* expectedKey)
{
    if (available < 2)
        return nullptr;
    const uint32_t wLength = Read16(data);
    if (wLength <= 2 || wLength > available || wLength < 4)
        return nullptr;
    const uint32_t wValueLength = Read16(data + 2);
    if (wLength < 6)
        return nullptr;
    const uint32_t wType = Read16(data + 4);
    if (wType > 1 || wLength < 8)
        return nullptr;

    // The key ends at its 0 character, which must lie within wLength. With an
    // expected key it is compared in place, before anything is allocated.
    size_t at = 6;
    size_t length = 0;
    for (;; ++length, at += 2) {
        if (at + 2 > wLength)
            return nullptr;
        const char16_t c = char16_t(Read16(data + at));
        if (expectedKey != nullptr && c != expectedKey[length])
            return nullptr;
        if (c == 0)
            break;
    }
    at += 2;
    size_t rest = wLength - at;
    if (rest == 0 && wValueLength != 0)
        return nullptr;

    auto block = std::make_unique<VersionBlock>();
    block->wLength = wLength;
    block->wValueLength = wValueLength;
    block->wType = wType;
    block->key.resize(length);
    for (size_t i = 0; i < length; ++i)
        block->key[i] = char16_t(Read16(data + 6 + 2 * i));
    if (rest == 0)
        return block;

    size_t offset = start + at;
    if (!SkipToAligned(offset, rest))
        return nullptr;
    if (wValueLength != 0) {
        const size_t size = wType == 0 ? wValueLength : 2 * size_t{wValueLength};
        if (size > rest)
            return nullptr;
        const uint8_t* value = data + (offset - start);
        block->value.assign(value, value + size);
        offset += size;
        rest -= size;
    }

    VersionBlock* last = nullptr;
    while (rest > 0) {
        if (!SkipToAligned(offset, rest))
            return nullptr;
        // Alignment padding counted at the end of a parent is accepted.
        if (rest == 0)
            break;
        std::unique_ptr<VersionBlock> child = ParseAt(data + (offset - start), offset, rest, nullptr);
        if (!child)
            return nullptr;
        const size_t childLength = child->wLength;
        VersionBlock* raw = child.get();
        if (last == nullptr)
            block->firstChild = std::move(child);
        else
            last->nextSibling = std::move(child);
        last = raw;
        offset += childLength;
        rest -= childLength;
    }
    return block;
}

}  // namespace

bool KeysEqualIgnoringCase(const std::u16string& a, const char16_t* b)
{
    size_t i = 0;
    for (; i < a.size(); ++i) {
        if (b[i] == 0 || FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return b[i] == 0;
}

VersionBlock::~VersionBlock()
{
    Clear(true);
}

std::unique_ptr<VersionBlock> VersionBlock::Parse(const uint8_t*& position, size_t& available,
                                                  const char16_t* expectedKey)
{
    if (position == nullptr)
        return nullptr;
    std::unique_ptr<VersionBlock> block = ParseAt(position, 0, available, expectedKey);
    if (block) {
        position += block->wLength;
        available -= block->wLength;
    }
    return block;
}

VersionBlock* VersionBlock::FindChild(const char16_t* wanted, bool recursive) const
{
    if (wanted == nullptr)
        return nullptr;
    for (VersionBlock* child = firstChild.get(); child != nullptr; child = child->nextSibling.get()) {
        if (!child->key.empty() && KeysEqualIgnoringCase(child->key, wanted))
            return child;
    }
    if (!recursive)
        return nullptr;
    for (VersionBlock* child = firstChild.get(); child != nullptr; child = child->nextSibling.get()) {
        if (VersionBlock* found = child->FindChild(wanted, true))
            return found;
    }
    return nullptr;
}

VersionBlock* VersionBlock::FindChild(const char* wanted, bool recursive) const
{
    if (wanted == nullptr)
        return nullptr;
    const std::u16string wide = Utf8ToUtf16(wanted);
    return FindChild(wide.c_str(), recursive);
}

void VersionBlock::Clear(bool withSiblings)
{
    wLength = wValueLength = wType = 0;
    key.clear();
    value.clear();
    // Children are destroyed through their chain so that deep trees stay flat.
    DestroyChain(std::move(firstChild));
    if (withSiblings)
        DestroyChain(std::move(nextSibling));
}

}  // namespace tonik
