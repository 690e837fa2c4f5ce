// The application's profile settings: sections of named entries holding
// strings, integers or bytes, kept in one text file (Windows-1252, CR LF
// lines, "[section]" then "entry=value"; bytes as hexadecimal pairs). Every
// write saves the file at once, as the platform's profile functions do. The
// file may be edited by hand: its comment lines, and whatever stands before
// the first section, are written back as they were.
#pragma once

#include <string>
#include <vector>

namespace ui {

class Profile {
 public:
  // Where the settings live: a file in the program folder's data folder
  // ("<program folder>/data/Quillory.ini" for the program). Reads it.
  void SetFile(const std::string& path);
  const std::string& GetFile() const { return m_path; }

  std::string GetProfileString(const std::string& section, const std::string& entry,
                               const std::string& defaultValue = std::string()) const;
  bool WriteProfileString(const std::string& section, const std::string& entry,
                          const std::string& value);
  int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const;
  bool WriteProfileInt(const std::string& section, const std::string& entry, int value);
  // Empty when the entry is missing or not hexadecimal.
  std::vector<unsigned char> GetProfileBinary(const std::string& section,
                                              const std::string& entry) const;
  bool WriteProfileBinary(const std::string& section, const std::string& entry,
                          const std::vector<unsigned char>& bytes);

 private:
  // One line of the file, as read, and what the reader made of it.
  struct Line {
    enum Kind { OTHER, SECTION, ENTRY };
    std::string text;     // the line without its line end
    Kind kind = OTHER;    // comments, blank lines and lines before any section are OTHER
    std::string section;  // SECTION: its name; ENTRY: the section it belongs to
    std::string name;     // ENTRY: the entry's name
    std::string value;    // ENTRY: its value
  };
  static Line ParseLine(std::string text, const std::string& currentSection);
  const std::string* Find(const std::string& section, const std::string& entry) const;
  bool Set(const std::string& section, const std::string& entry, const std::string& value);
  bool Save() const;
  std::string m_path;
  std::vector<Line> m_lines;
};

// The application's profile (one per program).
Profile& AppProfile();

}  // namespace ui
