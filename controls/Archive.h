// The framework's binary archive, reduced to what stored column widths need:
// 32-bit little-endian integers written to or read from a byte buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CArchive {
 public:
  // An archive that stores into an empty buffer.
  CArchive();
  // An archive that loads from bytes.
  explicit CArchive(std::vector<unsigned char> bytes);

  bool IsStoring() const { return m_storing; }
  bool IsLoading() const { return !m_storing; }

  CArchive& operator<<(std::int32_t value);
  // Reading past the end yields 0 and marks the archive as failed.
  CArchive& operator>>(std::int32_t& value);
  bool Failed() const { return m_failed; }

  const std::vector<unsigned char>& GetBytes() const { return m_bytes; }

 private:
  std::vector<unsigned char> m_bytes;
  std::size_t m_pos = 0;
  bool m_storing;
  bool m_failed = false;
};
