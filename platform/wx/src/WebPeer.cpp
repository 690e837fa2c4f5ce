// The embedded web view: the toolkit's web view when built with it, else a
// label naming the page.
#include "Peers.h"

#include "Text1252.h"
#include "platform/WebView.h"

#include <wx/stattext.h>
#ifdef QUILLORY_HAVE_WEBVIEW
#include <wx/webview.h>
#endif

namespace ui {
namespace wxb {

namespace {
wxString UrlOf(const std::string& target) {
  if (!target.empty() && target[0] == '/') return "file://" + PathToWx(target);
  return PathToWx(target);
}
}  // namespace

class WebPeer : public NativeControl {
 public:
  WebPeer(WebView& model, wxWindow* parent) : NativeControl(model, MakeNative(parent)), m_web(model) {
    BindCommonEvents();
    Update(Aspect::Text, -1);
  }
  static wxWindow* MakeNative(wxWindow* parent) {
#ifdef QUILLORY_HAVE_WEBVIEW
    if (wxWebView::IsBackendAvailable(wxWebViewBackendDefault))
      return wxWebView::New(parent, wxID_ANY);
#endif
    return new wxStaticText(parent, wxID_ANY, wxString());
  }
  void Update(Aspect aspect, int) override {
    if (aspect != Aspect::Text || m_web.GetLocationURL().empty()) return;
#ifdef QUILLORY_HAVE_WEBVIEW
    if (auto* view = dynamic_cast<wxWebView*>(m_native)) {
      view->LoadURL(UrlOf(m_web.GetLocationURL()));
      return;
    }
#endif
    static_cast<wxStaticText*>(m_native)->SetLabelText(UrlOf(m_web.GetLocationURL()));
  }

 private:
  WebView& m_web;
};

std::unique_ptr<NativeControl> MakeWebPeer(WebView& model, wxWindow* parent) {
  return std::make_unique<WebPeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
