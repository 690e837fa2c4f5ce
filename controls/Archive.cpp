#include "controls/Archive.h"

#include <utility>

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(std::vector<unsigned char> bytes) : m_bytes(std::move(bytes)), m_storing(false) {}

CArchive& CArchive::operator<<(std::int32_t value) {
  auto u = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) m_bytes.push_back(static_cast<unsigned char>(u >> shift));
  return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value) {
  if (m_storing || m_bytes.size() - m_pos < 4) {
    m_failed = true;
    value = 0;
    return *this;
  }
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= std::uint32_t(m_bytes[m_pos + i]) << (8 * i);
  m_pos += 4;
  value = static_cast<std::int32_t>(u);
  return *this;
}
