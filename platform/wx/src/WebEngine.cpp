#include "WebEngine.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace ui {
namespace wxb {

namespace {

constexpr const char* kModuleName = "libQuilloryWebView.so";

bool g_tried = false;
WebEngine g_engine;
const WebEngine* g_loaded = nullptr;

std::string ExecutableFolder() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return std::string();
  std::string exe(path, static_cast<std::size_t>(n));
  std::size_t slash = exe.find_last_of('/');
  return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

// Beside the executable first (the program folder); test programs that live
// elsewhere in the build find it in the build's program folder.
std::vector<std::string> Candidates() {
  std::vector<std::string> paths;
  const std::string folder = ExecutableFolder();
  if (!folder.empty()) paths.push_back(folder + "/" + kModuleName);
#ifdef QUILLORY_WEBVIEW_BUILD_DIR
  paths.push_back(std::string(QUILLORY_WEBVIEW_BUILD_DIR) + "/" + kModuleName);
#endif
  return paths;
}

}  // namespace

const WebEngine* WebEngine::Get() {
  if (g_tried) return g_loaded;
  g_tried = true;
  for (const std::string& path : Candidates()) {
    if (access(path.c_str(), R_OK) != 0) continue;
    // Never unloaded: the engine keeps threads and handlers of its own.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      std::fprintf(stderr, "Quillory: the web view cannot be loaded: %s\n", dlerror());
      continue;
    }
    g_engine.create = reinterpret_cast<WebViewCreateFn>(dlsym(module, "QuilloryWebViewCreate"));
    g_engine.loadUrl = reinterpret_cast<WebViewLoadUrlFn>(dlsym(module, "QuilloryWebViewLoadUrl"));
    g_engine.setPage = reinterpret_cast<WebViewSetPageFn>(dlsym(module, "QuilloryWebViewSetPage"));
    g_engine.isBusy = reinterpret_cast<WebViewIsBusyFn>(dlsym(module, "QuilloryWebViewIsBusy"));
    g_engine.pageText = reinterpret_cast<WebViewPageTextFn>(dlsym(module, "QuilloryWebViewPageText"));
    if (g_engine.create && g_engine.loadUrl && g_engine.setPage && g_engine.isBusy &&
        g_engine.pageText) {
      g_loaded = &g_engine;
      break;
    }
  }
  return g_loaded;
}

bool WebEngine::IsLoaded() { return g_loaded != nullptr; }

}  // namespace wxb
}  // namespace ui
