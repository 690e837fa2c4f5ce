#include "WebEngine.h"

#include "platform/ProgramModule.h"

namespace ui {
namespace wxb {

namespace {

constexpr const char* kModuleName = "libQuilloryWebView.so";

bool g_tried = false;
WebEngine g_engine;
const WebEngine* g_loaded = nullptr;

}  // namespace

const WebEngine* WebEngine::Get() {
  if (g_tried) return g_loaded;
  g_tried = true;
#ifdef QUILLORY_WEBVIEW_BUILD_DIR
  const char* buildFolder = QUILLORY_WEBVIEW_BUILD_DIR;
#else
  const char* buildFolder = nullptr;
#endif
  void* module = OpenProgramModule(kModuleName, buildFolder);
  if (!module) return nullptr;
  auto symbol = [module](const char* name) { return ProgramModuleSymbol(module, name); };
  g_engine.create = reinterpret_cast<WebViewCreateFn>(symbol("QuilloryWebViewCreate"));
  g_engine.loadUrl = reinterpret_cast<WebViewLoadUrlFn>(symbol("QuilloryWebViewLoadUrl"));
  g_engine.setPage = reinterpret_cast<WebViewSetPageFn>(symbol("QuilloryWebViewSetPage"));
  g_engine.setLinkHandler =
      reinterpret_cast<WebViewSetLinkHandlerFn>(symbol("QuilloryWebViewSetLinkHandler"));
  g_engine.isBusy = reinterpret_cast<WebViewIsBusyFn>(symbol("QuilloryWebViewIsBusy"));
  g_engine.runScript = reinterpret_cast<WebViewRunScriptFn>(symbol("QuilloryWebViewRunScript"));
  if (g_engine.create && g_engine.loadUrl && g_engine.setPage && g_engine.setLinkHandler &&
      g_engine.isBusy && g_engine.runScript)
    g_loaded = &g_engine;
  return g_loaded;
}

bool WebEngine::IsLoaded() { return g_loaded != nullptr; }

}  // namespace wxb
}  // namespace ui
