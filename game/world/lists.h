// The two operations every game list shares: append an element at the tail, and unlink
// one (joining its neighbours; the head moves on when the head goes). Elements keep
// their own allocation; the caller frees what it unlinks.
#pragma once

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
