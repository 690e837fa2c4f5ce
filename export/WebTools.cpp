#include "export/WebTools.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr const char* kModuleName = "libQuilloryWebTools.so";

std::string ExecutableFolder() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return std::string();
  std::string exe(path, static_cast<std::size_t>(n));
  std::size_t slash = exe.find_last_of('/');
  return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

// Beside the executable (the program folder); test programs elsewhere in the
// build find it in the build's program folder.
std::vector<std::string> Candidates() {
  std::vector<std::string> paths;
  const std::string folder = ExecutableFolder();
  if (!folder.empty()) paths.push_back(folder + "/" + kModuleName);
#ifdef QUILLORY_WEBTOOLS_BUILD_DIR
  paths.push_back(std::string(QUILLORY_WEBTOOLS_BUILD_DIR) + "/" + kModuleName);
#endif
  return paths;
}

template <class Fn> bool Find(void* module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(dlsym(module, name));
  return fn != nullptr;
}

const WebTools* Load() {
  static WebTools tools;
  for (const std::string& path : Candidates()) {
    if (access(path.c_str(), R_OK) != 0) continue;
    // Never unloaded: libcurl and libxml2 keep global state.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      std::fprintf(stderr, "Quillory: %s cannot be loaded: %s\n", path.c_str(), dlerror());
      continue;
    }
    if (Find(module, "QuilloryXslWellFormed", tools.wellFormed) &&
        Find(module, "QuilloryXslStylesheetOf", tools.stylesheetOf) &&
        Find(module, "QuilloryXslApply", tools.apply) &&
        Find(module, "QuilloryDownload", tools.download))
      return &tools;
  }
  return nullptr;
}

}  // namespace

const WebTools* WebTools::Get() {
  static const WebTools* loaded = Load();  // once, even with threads
  return loaded;
}
