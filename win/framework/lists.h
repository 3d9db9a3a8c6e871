// CList and CStringList: doubly linked lists walked with POSITION values, as the grid keeps its
// column sets and the choice texts of a drop-down.
#pragma once

#include "framework/text.h"

// An opaque place in a list; null means none.
using POSITION = struct ListPosition*;

template <class TYPE, class ARG_TYPE>
class CList {
 public:
  // The block size of MFC's node allocator; nodes here are allocated one by one.
  explicit CList(int blockSize = 10) { (void)blockSize; }
  ~CList() { RemoveAll(); }
  CList(const CList&) = delete;
  CList& operator=(const CList&) = delete;

  int GetCount() const { return m_count; }
  bool IsEmpty() const { return m_count == 0; }
  POSITION GetHeadPosition() const { return ToPosition(m_head); }

  // Appends a copy of the value and returns its place.
  POSITION AddTail(ARG_TYPE value) {
    Node* node = new Node{value, m_tail, nullptr};
    (m_tail ? m_tail->next : m_head) = node;
    m_tail = node;
    ++m_count;
    return ToPosition(node);
  }

  // Returns the value at position and moves position to the next one (null after the last).
  TYPE& GetNext(POSITION& position) {
    Node* node = ToNode(position);
    position = ToPosition(node->next);
    return node->value;
  }

  // The place of the first value equal to value, searching from the head; null if absent.
  POSITION Find(ARG_TYPE value) const {
    for (Node* node = m_head; node; node = node->next) {
      if (node->value == value) return ToPosition(node);
    }
    return nullptr;
  }

  void RemoveAt(POSITION position) {
    Node* node = ToNode(position);
    (node->prev ? node->prev->next : m_head) = node->next;
    (node->next ? node->next->prev : m_tail) = node->prev;
    delete node;
    --m_count;
  }

  void RemoveAll() {
    while (m_head) RemoveAt(ToPosition(m_head));
  }

 private:
  struct Node {
    TYPE value;
    Node* prev;
    Node* next;
  };
  static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
  static Node* ToNode(POSITION position) { return reinterpret_cast<Node*>(position); }

  Node* m_head = nullptr;
  Node* m_tail = nullptr;
  int m_count = 0;
};

class CStringList : public CList<CString, const char*> {
 public:
  explicit CStringList(int blockSize = 10) : CList(blockSize) {}
};
