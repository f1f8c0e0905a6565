// A multi-line text assembled from appended pieces, kept in a chain of buffers
// of 65,536-byte steps and merged only when the whole text is asked for.
#pragma once

#include <cstdint>

namespace tonik {

struct TextPiece {
    char* data = nullptr;   // capacity + 1 bytes; the used bytes end in a 0 byte
    uint32_t capacity = 0;  // a multiple of 65,536
    uint32_t used = 0;
    TextPiece* next = nullptr;
};

class TextList {
public:
    static constexpr uint32_t PIECE_STEP = 65536;
    // The longest text a list holds: the largest multiple of the step below 4 GiB.
    static constexpr uint32_t MAX_TOTAL = 0xFFFF0000u;
    static constexpr uint32_t UNBOUNDED = 0xFFFFFFFFu;

    TextList() = default;
    TextList(const TextList&) = delete;
    TextList& operator=(const TextList&) = delete;
    ~TextList() { Clear(); }

    void Clear();
    void Set(const char* text);
    // Appends text up to its first 0 byte or maximum bytes, whichever is
    // first. What would take the list beyond MAX_TOTAL, or cannot be
    // allocated, is left out.
    void Append(const char* text, uint32_t maximum = UNBOUNDED);
    // The whole text, 0-terminated; valid until the list next changes.
    const char* Join();

    TextPiece* first = nullptr;
    TextPiece* last = nullptr;
    uint32_t total = 0;

private:
    static TextPiece* NewPiece(uint32_t size);
};

}  // namespace tonik
