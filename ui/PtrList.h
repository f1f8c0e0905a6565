// A doubly linked list of untyped pointers: one allocation per node, insertion
// at the head, optional ownership of the elements.
#pragma once

#include <cstdint>

namespace tonik {

struct PtrListNode {
    PtrListNode* prev = nullptr;
    PtrListNode* next = nullptr;
    void* data = nullptr;
};

class PtrListBase {
public:
    PtrListBase() = default;
    PtrListBase(const PtrListBase&) = delete;
    PtrListBase& operator=(const PtrListBase&) = delete;
    // Frees every node; never touches the elements.
    virtual ~PtrListBase();

    // Links a new node for data in front of the head; null when out of memory.
    PtrListNode* AddHead(void* data);
    // Unlinks node and frees it; returns its element.
    void* Remove(PtrListNode* node);

    PtrListNode* head = nullptr;
    PtrListNode* tail = nullptr;
    int32_t count = 0;

protected:
    void Unlink(PtrListNode* node);
};

class PtrList : public PtrListBase {
public:
    explicit PtrList(int ownsElements) : ownsElements(ownsElements) {}
    ~PtrList() override;

    // Frees an element; subclasses destroy their element type.
    virtual void DeleteElement(void* element);
    // Empties the list, passing each non-null element to DeleteElement when
    // deleteElements is non-zero.
    void RemoveAll(int deleteElements);

    int ownsElements;
};

}  // namespace tonik
