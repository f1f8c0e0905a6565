#include "platform/DlgTemplateReader.h"

#include "platform/TextConvert.h"

namespace tonik {

const char CLASS_BUTTON[] = "BUTTON";
const char CLASS_EDIT[] = "EDIT";
const char CLASS_STATIC[] = "STATIC";
const char CLASS_TRACKBAR[] = "msctls_trackbar32";

namespace {

class Reader {
public:
    Reader(const uint8_t* bytes, size_t size) : bytes(bytes), size(size) {}

    bool Word(uint16_t& w)
    {
        if (at + 2 > size)
            return false;
        w = uint16_t(bytes[at] | bytes[at + 1] << 8);
        at += 2;
        return true;
    }
    bool Dword(uint32_t& d)
    {
        uint16_t low = 0, high = 0;
        if (!Word(low) || !Word(high))
            return false;
        d = uint32_t(low) | uint32_t(high) << 16;
        return true;
    }
    bool Short(int& value)
    {
        uint16_t w = 0;
        if (!Word(w))
            return false;
        value = int16_t(w);
        return true;
    }
    // A string, or an ordinal (0xFFFF and a number), or nothing (0).
    bool StringOrOrdinal(std::string& text, int& ordinal)
    {
        uint16_t first = 0;
        if (!Word(first))
            return false;
        if (first == 0xFFFF) {
            uint16_t number = 0;
            if (!Word(number))
                return false;
            ordinal = number;
            return true;
        }
        std::u16string wide;
        for (uint16_t c = first; c != 0;) {
            wide.push_back(char16_t(c));
            if (!Word(c))
                return false;
        }
        text = Utf16ToUtf8(wide);
        return true;
    }
    bool Skip(size_t count)
    {
        if (at + count > size)
            return false;
        at += count;
        return true;
    }
    void Align()
    {
        at = (at + 3) & ~size_t{3};
    }

private:
    const uint8_t* bytes;
    size_t size;
    size_t at = 0;
};

std::string ClassOfOrdinal(int ordinal)
{
    switch (ordinal) {
    case 0x80: return CLASS_BUTTON;
    case 0x81: return CLASS_EDIT;
    case 0x82: return CLASS_STATIC;
    default: return {};
    }
}

}  // namespace

bool ReadDlgTemplate(const uint8_t* bytes, size_t size, DialogTemplate& result)
{
    Reader r(bytes, size);
    uint16_t count = 0;
    int ignoredOrdinal = 0;
    std::string menu, windowClass;
    if (!r.Dword(result.style) || !r.Dword(result.exStyle) || !r.Word(count) || !r.Short(result.x) ||
        !r.Short(result.y) || !r.Short(result.cx) || !r.Short(result.cy) ||
        !r.StringOrOrdinal(menu, ignoredOrdinal) || !r.StringOrOrdinal(windowClass, ignoredOrdinal) ||
        !r.StringOrOrdinal(result.caption, ignoredOrdinal))
        return false;
    if (result.style & DS_SETFONT) {
        uint16_t points = 0;
        if (!r.Word(points) || !r.StringOrOrdinal(result.fontName, ignoredOrdinal))
            return false;
        result.pointSize = points;
    }
    result.items.clear();
    for (uint16_t i = 0; i < count; ++i) {
        r.Align();
        DialogItem item;
        uint16_t id = 0, extra = 0;
        int classOrdinal = 0;
        if (!r.Dword(item.style) || !r.Dword(item.exStyle) || !r.Short(item.x) || !r.Short(item.y) ||
            !r.Short(item.cx) || !r.Short(item.cy) || !r.Word(id) ||
            !r.StringOrOrdinal(item.className, classOrdinal) || !r.StringOrOrdinal(item.text, item.resourceId) ||
            !r.Word(extra) || !r.Skip(extra))
            return false;
        item.id = int16_t(id) == -1 ? -1 : id;
        if (item.className.empty())
            item.className = ClassOfOrdinal(classOrdinal);
        result.items.push_back(item);
    }
    return true;
}

}  // namespace tonik
