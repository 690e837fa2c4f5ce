// The module that holds the toolkit's web view (and through it the web
// engine's libraries). The program loads it on first use (src/WebEngine.cpp);
// nothing else links it.
#include <wx/log.h>
#include <wx/webview.h>
#include <wx/window.h>

#define QUILLORY_WEBVIEW_EXPORT extern "C" __attribute__((visibility("default")))

QUILLORY_WEBVIEW_EXPORT wxWindow* QuilloryWebViewCreate(wxWindow* parent) {
  if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) return nullptr;
  return wxWebView::New(parent, wxID_ANY);
}

QUILLORY_WEBVIEW_EXPORT void QuilloryWebViewLoadUrl(wxWindow* view, const char* url) {
  if (auto* web = dynamic_cast<wxWebView*>(view)) web->LoadURL(wxString::FromUTF8(url));
}

QUILLORY_WEBVIEW_EXPORT void QuilloryWebViewSetPage(wxWindow* view, const char* html,
                                                   const char* baseUrl) {
  if (auto* web = dynamic_cast<wxWebView*>(view))
    web->SetPage(wxString::FromUTF8(html), wxString::FromUTF8(baseUrl));
}

// For tests: whether the view is still loading, and the text it shows (UTF-8).
QUILLORY_WEBVIEW_EXPORT int QuilloryWebViewIsBusy(wxWindow* view) {
  auto* web = dynamic_cast<wxWebView*>(view);
  return web && web->IsBusy() ? 1 : 0;
}

QUILLORY_WEBVIEW_EXPORT void QuilloryWebViewPageText(wxWindow* view, void (*take)(const char*, void*),
                                                    void* context) {
  auto* web = dynamic_cast<wxWebView*>(view);
  // The page's own script engine: the toolkit's text getter needs a helper
  // of the engine that distributions do not always install where it looks.
  wxLogNull quiet;  // a page still loading makes the script fail: no message box
  wxString text;
  if (web && !web->RunScript("document.body ? document.body.innerText : ''", &text)) text.clear();
  take(text.utf8_str().data(), context);
}
