#include "ui/PtrList.h"

#include <cstdlib>
#include <new>

namespace tonik {

PtrListBase::~PtrListBase()
{
    while (head != nullptr)
        Remove(head);
}

PtrListNode* PtrListBase::AddHead(void* data)
{
    auto* node = new (std::nothrow) PtrListNode;
    if (node == nullptr)
        return nullptr;
    node->data = data;
    node->next = head;
    if (head != nullptr)
        head->prev = node;
    else
        tail = node;
    head = node;
    ++count;
    return node;
}

void PtrListBase::Unlink(PtrListNode* node)
{
    if (node->prev != nullptr)
        node->prev->next = node->next;
    else
        head = node->next;
    if (node->next != nullptr)
        node->next->prev = node->prev;
    else
        tail = node->prev;
}

void* PtrListBase::Remove(PtrListNode* node)
{
    void* data = node->data;
    Unlink(node);
    delete node;
    --count;
    return data;
}

PtrList::~PtrList()
{
    RemoveAll(ownsElements);
}

void PtrList::DeleteElement(void* element)
{
    std::free(element);
}

void PtrList::RemoveAll(int deleteElements)
{
    if (deleteElements == 0) {
        while (head != nullptr)
            Remove(head);
        return;
    }
    while (count != 0 && head != nullptr) {
        void* element = Remove(head);
        if (element != nullptr)
            DeleteElement(element);
    }
}

}  // namespace tonik
