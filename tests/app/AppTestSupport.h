#pragma once
// A program folder in a temporary directory, laid out like the real one
// (data/ with the placeholder picture, images/), with a collection written in
// the database format, for the application's tests.

#include <string>
#include <vector>

struct AlbumValues {
  std::string serie, titre;
  int tome = 1;
  std::string dessinateur = "_", scenariste = "_", editeur = "_", commentaire = "_";
  int type = 0;
  std::string genre = "Humour", collection = "_", picture = "_";
  int note = 0;
};

class TestProgramFolder {
 public:
  TestProgramFolder();
  ~TestProgramFolder();
  TestProgramFolder(const TestProgramFolder&) = delete;
  TestProgramFolder& operator=(const TestProgramFolder&) = delete;

  const std::string& Path() const { return m_path; }
  std::string File(const std::string& relative) const;  // a path below the folder

  // Writes data/quillory.db with these albums, in order.
  void WriteCollection(const std::vector<AlbumValues>& albums) const;
  void WriteFile(const std::string& relative, const std::string& bytes) const;
  std::string ReadFile(const std::string& relative) const;
  bool Exists(const std::string& relative) const;
  void Remove(const std::string& relative) const;
  // A small picture file that decodes (a 2 by 2 BMP).
  void WritePicture(const std::string& relative) const;

  // The bytes of the database file for these albums.
  static std::string DatabaseBytes(const std::vector<AlbumValues>& albums);

 private:
  static std::string FormatStore(const std::vector<AlbumValues>& albums);
  std::string m_path;
};
