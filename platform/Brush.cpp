#include "platform/Brush.h"

#include <atomic>
#include <new>

namespace tonik {
namespace {

std::atomic<int> liveBrushes{0};
std::atomic<bool> creationFails{false};

}  // namespace

Brush Brush::CreateSolid(uint32_t color)
{
    Brush brush;
    if (creationFails.load())
        return brush;
    brush.object = new (std::nothrow) BrushObject{color & 0xFFFFFFu};
    if (brush.object != nullptr)
        ++liveBrushes;
    return brush;
}

Brush::Brush(Brush&& other) noexcept : object(other.object)
{
    other.object = nullptr;
}

Brush& Brush::operator=(Brush&& other) noexcept
{
    if (this != &other) {
        Reset();
        object = other.object;
        other.object = nullptr;
    }
    return *this;
}

void Brush::Reset() noexcept
{
    if (object == nullptr)
        return;
    delete object;
    object = nullptr;
    --liveBrushes;
}

int Brush::LiveCount()
{
    return liveBrushes.load();
}

void Brush::SetCreationFailsForTesting(bool fails)
{
    creationFails.store(fails);
}

}  // namespace tonik
