// Solid brushes: a counted platform resource, so that tests can see that none
// leaks and none is held between paints.
#pragma once

#include <cstdint>

namespace tonik {

struct BrushObject {
    uint32_t color;  // 0x00BBGGRR
};

// A brush handle as the drawing code passes it around; null for none.
using HBRUSH = const BrushObject*;

// Owns one brush. Move-only; the destructor deletes the brush.
class Brush {
public:
    Brush() noexcept = default;
    // Creates a solid brush of color AND 0xFFFFFF; empty when creation fails.
    static Brush CreateSolid(uint32_t color);

    Brush(Brush&& other) noexcept;
    Brush& operator=(Brush&& other) noexcept;
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;
    ~Brush() { Reset(); }

    HBRUSH Handle() const { return object; }
    explicit operator bool() const { return object != nullptr; }
    // Deletes the brush now; the object is then empty.
    void Reset() noexcept;

    // Brushes created and not yet deleted, in the whole process.
    static int LiveCount();
    // Makes every later creation fail until called with false.
    static void SetCreationFailsForTesting(bool fails);

private:
    BrushObject* object = nullptr;
};

}  // namespace tonik
