#include "AppTestSupport.h"

#include "collection/GestionBD.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

TestProgramFolder::TestProgramFolder() {
  static std::atomic<int> counter{0};
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->name()) : "folder";
  for (char& c : name)
    if (c == '/') c = '_';
  fs::path path = fs::path(::testing::TempDir()) /
                  ("quillory_" + std::to_string(getpid()) + "_" + std::to_string(counter++) + "_" + name);
  fs::remove_all(path);
  fs::create_directories(path / "data");
  fs::create_directories(path / "images");
  fs::copy_file(fs::path(QUILLORY_RESOURCES_DATA) / "AddPicture.bmp", path / "data" / "AddPicture.bmp");
  m_path = path.string();
}

TestProgramFolder::~TestProgramFolder() {
  std::error_code ignored;
  fs::remove_all(m_path, ignored);
}

std::string TestProgramFolder::File(const std::string& relative) const {
  return (fs::path(m_path) / relative).string();
}

std::string TestProgramFolder::DatabaseBytes(const std::vector<AlbumValues>& albums) {
  return FormatStore(albums);
}

std::string TestProgramFolder::FormatStore(const std::vector<AlbumValues>& albums) {
  CGestionBD store;
  for (const AlbumValues& a : albums) {
    store.AddAlbum(a.serie.c_str(), a.titre.c_str(), a.tome, a.dessinateur.c_str(),
                   a.scenariste.c_str(), a.editeur.c_str(), a.commentaire.c_str(), false,
                   a.genre.c_str(), 0.0, a.type, a.collection.c_str(), a.note, 0, 0);
    store.GetAlbum(store.GetAlbumCount() - 1)->SetPicture(a.picture);
  }
  return store.FormatDatabase();
}

void TestProgramFolder::WriteCollection(const std::vector<AlbumValues>& albums) const {
  WriteFile("data/quillory.db", DatabaseBytes(albums));
}

void TestProgramFolder::WriteFile(const std::string& relative, const std::string& bytes) const {
  fs::create_directories(fs::path(File(relative)).parent_path());
  std::ofstream out(File(relative), std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string TestProgramFolder::ReadFile(const std::string& relative) const {
  std::ifstream in(File(relative), std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

bool TestProgramFolder::Exists(const std::string& relative) const { return fs::exists(File(relative)); }

void TestProgramFolder::Remove(const std::string& relative) const { fs::remove_all(File(relative)); }

void TestProgramFolder::WritePicture(const std::string& relative) const {
  // BITMAPFILEHEADER + BITMAPINFOHEADER, 2 x 2 pixels of 24 bits, rows padded to 8 bytes.
  const unsigned char bmp[] = {
      'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
      40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,
      0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      0, 0, 255, 0, 255, 0, 0, 0,
      255, 0, 0, 255, 255, 255, 0, 0};
  WriteFile(relative, std::string(reinterpret_cast<const char*>(bmp), sizeof bmp));
}
