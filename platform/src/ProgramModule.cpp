#include "platform/ProgramModule.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

namespace ui {

namespace {

std::string ExecutableFolder() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return std::string();
  std::string exe(path, static_cast<std::size_t>(n));
  std::size_t slash = exe.find_last_of('/');
  return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

void* OpenIfPresent(const std::string& path) {
  if (access(path.c_str(), R_OK) != 0) return nullptr;
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) std::fprintf(stderr, "Quillory: %s cannot be loaded: %s\n", path.c_str(), dlerror());
  return module;
}

}  // namespace

void* OpenProgramModule(const char* fileName, const char* buildFolder) {
  const std::string folder = ExecutableFolder();
  if (!folder.empty()) {
    if (void* module = OpenIfPresent(folder + "/" + fileName)) return module;
    // An installed program: PREFIX/bin/quillory, its modules in PREFIX/lib/quillory.
    if (void* module = OpenIfPresent(folder + "/../lib/quillory/" + fileName)) return module;
  }
  if (buildFolder) return OpenIfPresent(std::string(buildFolder) + "/" + fileName);
  return nullptr;
}

void* ProgramModuleSymbol(void* module, const char* name) {
  return module ? dlsym(module, name) : nullptr;
}

}  // namespace ui
