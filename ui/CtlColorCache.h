// The control colour cache: a text colour, a background colour and a brush of
// the background for chosen controls of a dialog, answered at paint time.
#pragma once

#include <cstdint>

#include "platform/Brush.h"
#include "platform/qt/Window.h"
#include "ui/PtrList.h"

class QWidget;

namespace tonik {

class CtlColorEntry {
public:
    // Stores the colours without their top bytes and creates the brush of the
    // background; null when the brush cannot be created.
    static CtlColorEntry* Create(int id, uint32_t text, uint32_t back);

    // Stores new colours; true when either changed. The brush is replaced only
    // for a new background, the old one deleted first.
    bool Update(uint32_t text, uint32_t back);

    int32_t id = 0;
    uint32_t textColor = 0;
    uint32_t bkColor = 0;
    Brush brush;

private:
    CtlColorEntry() = default;
};

class CtlColorList : public PtrList {
public:
    // The cache disposes of its entries itself, so the list does not own them.
    CtlColorList() : PtrList(0) {}
    void DeleteElement(void* element) override;
};

class CtlColorCache {
public:
    explicit CtlColorCache(QWidget* owner = nullptr) : owner(owner) {}
    virtual ~CtlColorCache();
    CtlColorCache(const CtlColorCache&) = delete;
    CtlColorCache& operator=(const CtlColorCache&) = delete;

    // Makes or updates the entry of id and repaints the owner's control when
    // it is new or changed. 0 for id 0, and for a new entry whose brush
    // cannot be created (the cache then stays as it was); 1 otherwise.
    int SetColors(int id, uint32_t text, uint32_t back, int repaint);
    int SetColors(QWidget* control, uint32_t text, uint32_t back, int repaint);

    // The answer to one colour request: the entry's brush, with the text colour
    // and transparent mode set on dc; the default brush for controls not held.
    HBRUSH OnCtlColor(ControlDC& dc, QWidget* control, unsigned type, HBRUSH defaultBrush);

    PtrListNode* Find(int id, CtlColorEntry** out = nullptr) const;
    void RemoveAll();

    CtlColorList entries;
    QWidget* owner = nullptr;
};

}  // namespace tonik
