// What every game list shares: a new zeroed element from the heap, append at the tail, and
// unlink one (joining its neighbours; the head moves on when the head goes). Elements keep
// their own allocation; the caller frees what it unlinks with std::free.
#pragma once
#include <cstdlib>

#include "platform/base/fatal.h"

// A zeroed element from the heap; when there is no memory, failMessage goes down the fatal
// path (printed as written, exit status 1).
template <typename Element>
Element* newListElement(const char* failMessage) {
  auto* element = static_cast<Element*>(std::calloc(1, sizeof(Element)));
  if (!element) platform::fatalError(failMessage);
  return element;
}

template <typename Element>
void appendAtTail(Element*& head, Element* element) {
  element->next = nullptr;
  element->prev = nullptr;
  if (!head) {
    head = element;
    return;
  }
  Element* tail = head;
  while (tail->next) tail = tail->next;
  tail->next = element;
  element->prev = tail;
}

template <typename Element>
void unlinkFromList(Element*& head, Element* element) {
  if (element->prev) element->prev->next = element->next;
  else head = element->next;
  if (element->next) element->next->prev = element->prev;
}
