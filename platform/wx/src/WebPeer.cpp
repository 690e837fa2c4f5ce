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
}  // namespace

class WebPeer : public NativeControl {
 public:
  WebPeer(WebView& model, const WebEngine* engine, wxWindow* native)
      : NativeControl(model, native), m_web(model), m_engine(engine) {
    BindCommonEvents();
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
  WebView& m_web;
  const WebEngine* m_engine;
};

std::unique_ptr<NativeControl> MakeWebPeer(WebView& model, wxWindow* parent) {
  return WebPeer::Make(model, parent);
}

}  // namespace wxb
}  // namespace ui
