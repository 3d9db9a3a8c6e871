#include "framework/text.h"

BOOL CString::LoadString(UINT id) {
  // LoadStringA gives no length up front: grow the buffer until the text fits with room to spare.
  for (int capacity = 256;; capacity *= 2) {
    std::string buffer(static_cast<size_t>(capacity), '\0');
    const int length = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer.data(), capacity);
    if (length < capacity - 1) {
      m_text.assign(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
      return length > 0;
    }
  }
}
