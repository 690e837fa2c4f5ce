#pragma once
// The application object: its start-up decides where the program's data
// lives (the program folder: the executable's folder, or the user's data
// folder for an installed program) and which main window runs, from the style
// file "data\quilloryType.cfg". The whole run is that one modal window.

#include <string>

class CQuilloryApp {
 public:
  // Styles of the main window, as the style file holds them.
  static constexpr int STYLE_LIST = 0;
  static constexpr int STYLE_GRAPHIC = 1;

  // The whole start-up and run, given the executable's full path: runs the
  // main window of the chosen style modally and returns once it has closed.
  // Returns false, like the framework's InitInstance of a dialog program, so
  // that no message loop of the application's own follows.
  bool InitInstance(const std::string& modulePath);

  // The folder of the executable: its path cut at the last separator, without
  // a trailing separator. Empty when the path is empty or has no separator.
  static std::string ProgramFolder(const std::string& modulePath);
  // Where the program keeps its data, for an executable in `executableFolder`:
  // that folder itself when it holds a data folder and both can be written
  // (the folder scripts/run.sh lays out, a copied Windows program folder);
  // otherwise the user's data folder, laid out when needed. When that cannot
  // be made either, the executable's folder, as before.
  static std::string ChooseProgramFolder(const std::string& executableFolder);
  // $XDG_DATA_HOME/quillory, by default ~/.local/share/quillory; empty when
  // there is no home folder.
  static std::string UserDataFolder();
  // The data files shipped with the program: share/quillory of an installed
  // program's prefix, else the data folder beside the executable.
  static std::string SharedDataFolder(const std::string& executableFolder);
  // Makes data/, images/ and ExportXml/ of a user's data folder and copies
  // into data/ the shipped files it lacks (a user's own copies are kept). At
  // the first start, when data/ is new, the collection file starts empty.
  // False when data/ cannot be made.
  static bool LayOutUserFolder(const std::string& folder, const std::string& sharedData);
  // The style value: the style file's first 9 bytes read as a number the way
  // C atoi does; a missing or unreadable file counts as "0".
  static int ReadStyle(const std::string& programFolder);
  // Removes what interrupted writes left beside the program's files (the
  // program folder, data, ExportXml and its images); returns how many.
  static int RemoveLeftoverTemporaries(const std::string& programFolder);
  // The running executable's full path; empty when it cannot be obtained.
  static std::string ModulePath();
};
