// CString: an owned ANSI text, as the window code passes texts around.
#pragma once

#include <windows.h>

#include <string>

class CString {
 public:
  CString() = default;
  CString(const char* text) : m_text(text ? text : "") {}
  CString(const char* text, int length) : m_text(text, static_cast<size_t>(length)) {}

  operator const char*() const { return m_text.c_str(); }
  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  // Index of the first occurrence of the character, or -1.
  int Find(char character) const {
    const size_t at = m_text.find(character);
    return at == std::string::npos ? -1 : static_cast<int>(at);
  }
  CString& operator=(const char* text) {
    m_text = text ? text : "";
    return *this;
  }
  friend bool operator==(const CString& left, const char* right) {
    return left.m_text == (right ? right : "");
  }
  friend bool operator==(const CString& left, const CString& right) {
    return left.m_text == right.m_text;
  }

  // Replaces the text with string resource id of the program; false if there is none.
  BOOL LoadString(UINT id);

 private:
  std::string m_text;
};
