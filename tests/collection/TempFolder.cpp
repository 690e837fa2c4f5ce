#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::random_device seed;
  fs::path base = fs::temp_directory_path() / ("quillory-test-" + std::to_string(seed()));
  fs::create_directories(base / "data");
  m_path = base.string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(m_path, ignored);
}

void TempFolder::write(const std::string& relative, const std::string& bytes) const {
  std::ofstream(file(relative), std::ios::binary) << bytes;
}

std::string TempFolder::read(const std::string& relative) const {
  std::ifstream in(file(relative), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool TempFolder::exists(const std::string& relative) const { return fs::exists(file(relative)); }
