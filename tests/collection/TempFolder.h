#pragma once
// A program folder of its own for one test, with its "data" folder, removed
// afterwards.

#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::string& path() const { return m_path; }
  // Path of a file below the folder, given with '/' separators.
  std::string file(const std::string& relative) const { return m_path + "/" + relative; }
  void write(const std::string& relative, const std::string& bytes) const;
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;

 private:
  std::string m_path;
};
