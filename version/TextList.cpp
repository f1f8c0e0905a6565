#include "version/TextList.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "support/NumberText.h"

namespace tonik {
namespace {

// size rounded up to the piece step, in 64 bits so that it cannot wrap.
uint64_t RoundToStep(uint64_t size)
{
    return (size + TextList::PIECE_STEP - 1) & ~uint64_t{TextList::PIECE_STEP - 1};
}

}  // namespace

TextPiece* TextList::NewPiece(uint32_t size)
{
    const uint64_t capacity = RoundToStep(size);
    if (capacity > MAX_TOTAL)
        return nullptr;
    auto* piece = static_cast<TextPiece*>(std::calloc(1, sizeof(TextPiece)));
    if (piece == nullptr)
        return nullptr;
    piece->data = static_cast<char*>(std::malloc(size_t(capacity) + 1));
    if (piece->data == nullptr) {
        std::free(piece);
        return nullptr;
    }
    piece->capacity = uint32_t(capacity);
    piece->data[0] = '\0';
    return piece;
}

void TextList::Clear()
{
    while (first != nullptr) {
        TextPiece* next = first->next;
        std::free(first->data);
        std::free(first);
        first = next;
    }
    last = nullptr;
    total = 0;
}

void TextList::Set(const char* text)
{
    Clear();
    Append(text, UNBOUNDED);
}

void TextList::Append(const char* text, uint32_t maximum)
{
    if (text == nullptr || text[0] == '\0' || maximum == 0)
        return;
    uint32_t n = std::min(BoundedLength(text, maximum), MAX_TOTAL - total);
    if (last != nullptr && last->used < last->capacity) {
        const uint32_t fits = std::min(last->capacity - last->used, n);
        std::memcpy(last->data + last->used, text, fits);
        last->used += fits;
        last->data[last->used] = '\0';
        total += fits;
        text += fits;
        n -= fits;
    }
    if (n == 0)
        return;
    TextPiece* piece = NewPiece(n);
    if (piece == nullptr)
        return;
    std::memcpy(piece->data, text, n);
    piece->data[n] = '\0';
    piece->used = n;
    if (last != nullptr)
        last->next = piece;
    else
        first = piece;
    last = piece;
    total += n;
}

const char* TextList::Join()
{
    if (total == 0)
        return "";
    if (first == last)
        return first->data;
    TextPiece* merged = NewPiece(total);
    if (merged == nullptr)
        return "";
    for (TextPiece* piece = first; piece != nullptr; piece = piece->next) {
        std::memcpy(merged->data + merged->used, piece->data, piece->used);
        merged->used += piece->used;
        merged->data[merged->used] = '\0';
    }
    Clear();
    first = last = merged;
    total = merged->used;
    return merged->data;
}

}  // namespace tonik
