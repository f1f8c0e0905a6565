#include "ui/CtlColorCache.h"

#include <QWidget>
#include <new>

namespace tonik {

CtlColorEntry* CtlColorEntry::Create(int id, uint32_t text, uint32_t back)
{
    Brush brush = Brush::CreateSolid(back);
    if (!brush)
        return nullptr;
    auto* entry = new (std::nothrow) CtlColorEntry;
    if (entry == nullptr)
        return nullptr;
    entry->id = id;
    entry->textColor = text & 0xFFFFFFu;
    entry->bkColor = back & 0xFFFFFFu;
    entry->brush = std::move(brush);
    return entry;
}

bool CtlColorEntry::Update(uint32_t text, uint32_t back)
{
    const uint32_t t = text & 0xFFFFFFu;
    const uint32_t b = back & 0xFFFFFFu;
    const bool changed = t != textColor;
    textColor = t;
    if (b == bkColor)
        return changed;
    brush.Reset();
    bkColor = b;
    brush = Brush::CreateSolid(b);
    return true;
}

void CtlColorList::DeleteElement(void* element)
{
    delete static_cast<CtlColorEntry*>(element);
}

CtlColorCache::~CtlColorCache()
{
    RemoveAll();
}

int CtlColorCache::SetColors(int id, uint32_t text, uint32_t back, int repaint)
{
    if (id == 0)
        return 0;
    CtlColorEntry* entry = nullptr;
    if (Find(id, &entry) != nullptr) {
        if (!entry->Update(text, back))
            return 1;
    } else {
        entry = CtlColorEntry::Create(id, text, back);
        if (entry == nullptr)
            return 0;
        if (entries.AddHead(entry) == nullptr) {
            delete entry;
            return 0;
        }
    }
    if (repaint != 0) {
        if (QWidget* control = GetDlgItem(owner, id))
            control->update();
    }
    return 1;
}

int CtlColorCache::SetColors(QWidget* control, uint32_t text, uint32_t back, int repaint)
{
    return SetColors(GetDlgCtrlID(control), text, back, repaint);
}

HBRUSH CtlColorCache::OnCtlColor(ControlDC& dc, QWidget* control, unsigned, HBRUSH defaultBrush)
{
    if (control == nullptr)
        return defaultBrush;
    CtlColorEntry* entry = nullptr;
    if (Find(GetDlgCtrlID(control), &entry) == nullptr)
        return defaultBrush;
    dc.SetBkModeTransparent();
    dc.SetTextColor(entry->textColor);
    return entry->brush.Handle();
}

PtrListNode* CtlColorCache::Find(int id, CtlColorEntry** out) const
{
    if (id == 0)
        return nullptr;
    for (PtrListNode* node = entries.head; node != nullptr; node = node->next) {
        auto* entry = static_cast<CtlColorEntry*>(node->data);
        if (entry != nullptr && entry->id == id) {
            if (out != nullptr)
                *out = entry;
            return node;
        }
    }
    return nullptr;
}

void CtlColorCache::RemoveAll()
{
    while (entries.count != 0 && entries.head != nullptr)
        delete static_cast<CtlColorEntry*>(entries.Remove(entries.head));
}

}  // namespace tonik
