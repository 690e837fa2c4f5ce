// The embedded web engine lives in a module of its own beside the program
// (libQuilloryWebView.so), loaded the first time a web view is created: the
// engine and its libraries cost tens of MiB and a good part of the start-up
// time, and only the news dialog needs them.
#pragma once

#include <wx/window.h>

#include <string>

namespace ui {
namespace wxb {

// The C entry points of the module (UTF-8 texts).
extern "C" {
using WebViewCreateFn = wxWindow* (*)(wxWindow* parent);
using WebViewLoadUrlFn = void (*)(wxWindow* view, const char* url);
using WebViewSetPageFn = void (*)(wxWindow* view, const char* html, const char* baseUrl);
using WebViewLinkHandler = void (*)(const char* url, void* context);
using WebViewSetLinkHandlerFn = void (*)(wxWindow* view, WebViewLinkHandler handler, void* context);
using WebViewIsBusyFn = int (*)(wxWindow* view);
using WebViewRunScriptFn = void (*)(wxWindow* view, const char* script,
                                    void (*take)(const char*, void*), void* context);
}

class WebEngine {
 public:
  // The module, loaded on the first call; null when it cannot be loaded or
  // the toolkit has no web engine (the caller then shows a plain label).
  static const WebEngine* Get();
  // Whether the module has been loaded in this process (tests of start-up).
  static bool IsLoaded();

  WebViewCreateFn create = nullptr;
  WebViewLoadUrlFn loadUrl = nullptr;
  WebViewSetPageFn setPage = nullptr;
  WebViewSetLinkHandlerFn setLinkHandler = nullptr;
  WebViewIsBusyFn isBusy = nullptr;
  WebViewRunScriptFn runScript = nullptr;
};

}  // namespace wxb
}  // namespace ui
