#include "framework/text.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list counting;
  va_copy(counting, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, counting);
  va_end(counting);
  m_text.assign(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(m_text.data(), m_text.size() + 1, format, arguments);
  va_end(arguments);
}

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
