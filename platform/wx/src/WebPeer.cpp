// The embedded web view: the toolkit's web view from the web engine module
// (loaded on first use), else a label naming the page.
#include "Peers.h"

#include "Text1252.h"
#include "WebEngine.h"
#include "platform/WebView.h"

#include <wx/stattext.h>

namespace ui {
namespace wxb {

namespace {
std::string UrlOf(const std::string& target) {
  if (!target.empty() && target[0] == '/') return "file://" + target;
  return target;
}

// A clicked link's address for the model, whose texts are Windows-1252: the
// engine gives ASCII, but any other byte is written as %XX to be sure.
std::string AsciiUrl(const char* utf8) {
  static const char* digits = "0123456789ABCDEF";
  std::string url;
  for (const char* p = utf8; *p; ++p) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte > 0x20 && byte < 0x7F) {
      url += *p;
    } else {
      url += '%';
      url += digits[byte >> 4];
      url += digits[byte & 15];
    }
  }
  return url;
}
}  // namespace

class WebPeer : public NativeControl {
 public:
  WebPeer(WebView& model, const WebEngine* engine, wxWindow* native)
      : NativeControl(model, native), m_web(model), m_engine(engine) {
    BindCommonEvents();
    // The native view goes before its peer (the panel destroys its
    // children first), so no click comes to a peer gone.
    if (m_engine) m_engine->setLinkHandler(m_native, &WebPeer::OnLink, this);
    Update(Aspect::Text, -1);
  }
  static std::unique_ptr<NativeControl> Make(WebView& model, wxWindow* parent) {
    const WebEngine* engine = WebEngine::Get();
    wxWindow* view = engine ? engine->create(parent) : nullptr;
    if (!view) {
      engine = nullptr;
      view = new wxStaticText(parent, wxID_ANY, wxString());
    }
    return std::make_unique<WebPeer>(model, engine, view);
  }
  void Update(Aspect aspect, int) override {
    if (aspect != Aspect::Text) return;
    if (!m_web.HoldsPage() && m_web.GetLocationURL().empty()) return;
    if (m_engine) {
      if (m_web.HoldsPage())
        m_engine->setPage(m_native, m_web.GetPageHtml().c_str(), m_web.GetLocationURL().c_str());
      else
        m_engine->loadUrl(m_native, UrlOf(m_web.GetLocationURL()).c_str());
      return;
    }
    static_cast<wxStaticText*>(m_native)->SetLabelText(PathToWx(UrlOf(m_web.GetLocationURL())));
  }

 private:
  static void OnLink(const char* url, void* context) {
    auto* peer = static_cast<WebPeer*>(context);
    if (peer->Model()) peer->m_web.FollowLink(AsciiUrl(url));
  }

  WebView& m_web;
  const WebEngine* m_engine;
};

std::unique_ptr<NativeControl> MakeWebPeer(WebView& model, wxWindow* parent) {
  return WebPeer::Make(model, parent);
}

}  // namespace wxb
}  // namespace ui
