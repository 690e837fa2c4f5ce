#pragma once
// The application object: its start-up decides where the program's data
// lives (below the folder of the executable) and which main window runs,
// from the style file "data\quilloryType.cfg". The whole run is that one
// modal window.

#include <string>

class CQuilloryApp {
 public:
  // Styles of the main window, as the style file holds them.
  static constexpr int STYLE_LIST = 0;
  static constexpr int STYLE_GRAPHIC = 1;
  static constexpr const char* STYLE_FILE = "data\\quilloryType.cfg";

  // The whole start-up and run, given the executable's full path: runs the
  // main window of the chosen style modally and returns once it has closed.
  // Returns false, like the framework's InitInstance of a dialog program, so
  // that no message loop of the application's own follows.
  bool InitInstance(const std::string& modulePath);

  // The folder of the executable: its path cut at the last separator, without
  // a trailing separator. Empty when the path is empty or has no separator.
  static std::string ProgramFolder(const std::string& modulePath);
  // The style value: the style file's first 9 bytes read as a number the way
  // C atoi does; a missing or unreadable file counts as "0".
  static int ReadStyle(const std::string& programFolder);
  // Removes what interrupted writes left beside the program's files (the
  // program folder, data, ExportXml and its images); returns how many.
  static int RemoveLeftoverTemporaries(const std::string& programFolder);
  // The running executable's full path; empty when it cannot be obtained.
  static std::string ModulePath();
};
