// The module that holds the toolkit's web view (and through it the web
// engine's libraries). The program loads it on first use (src/WebEngine.cpp);
// nothing else links it.
//
// A view shows the pages the program gives it and nothing else: the engine
// runs no script of a page and opens no window; the only navigations let
// through are the program's own loads; a link the user clicks is handed to
// the program (which opens it in the user's browser), never followed here.
#include <wx/webview.h>
#include <wx/window.h>

#include <webkit2/webkit2.h>

#include <string>

#define QUILLORY_WEBVIEW_EXPORT extern "C" __attribute__((visibility("default")))

using LinkHandler = void (*)(const char* url, void* context);

namespace {

WebKitWebView* EngineOf(wxWebView& web) {
  return WEBKIT_WEB_VIEW(web.GetNativeBackend());
}

// What a view lets through, kept with the view (deleted with it). The
// engine asks before every navigation of the page or of a frame in it; a
// new window is asked of the toolkit's view.
class ViewPolicy : public wxClientData {
 public:
  explicit ViewPolicy(wxWebView& web) : m_engine(EngineOf(web)) {
    g_object_ref(m_engine);  // still there when this goes
    g_signal_connect(m_engine, "decide-policy", G_CALLBACK(&ViewPolicy::Decide), this);
    // A link for another window (target="_blank", a middle click) comes
    // this way: no page script runs, so only the user's click can ask it.
    web.Bind(wxEVT_WEBVIEW_NEWWINDOW, [this](wxWebViewEvent& event) {
      event.Veto();
      HandOver(event.GetURL().utf8_str().data());
    });
  }
  ~ViewPolicy() override {
    g_signal_handlers_disconnect_by_data(m_engine, this);
    g_object_unref(m_engine);
  }

  // The program loads an address or a page: that navigation goes through.
  void ExpectLoad(const wxString& url) { m_expected = url.utf8_str().data(); }
  void SetLinkHandler(LinkHandler handler, void* context) {
    m_handler = handler;
    m_context = context;
  }

 private:
  static gboolean Decide(WebKitWebView*, WebKitPolicyDecision* decision,
                         WebKitPolicyDecisionType type, gpointer data) {
    auto* policy = static_cast<ViewPolicy*>(data);
    if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) {
      // Nothing is downloaded: what the engine cannot show is left alone.
      if (webkit_response_policy_decision_is_mime_type_supported(
              WEBKIT_RESPONSE_POLICY_DECISION(decision)))
        return FALSE;
      webkit_policy_decision_ignore(decision);
      return TRUE;
    }
    WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
        WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    const std::string url = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
    if (type == WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION && !policy->m_expected.empty() &&
        url == policy->m_expected) {
      policy->m_expected.clear();
      webkit_policy_decision_use(decision);
      return TRUE;
    }
    // A page's own moves (a refresh, a frame, a form, a script) and the
    // user's clicks alike stay out of the view; the clicks go to the program.
    webkit_policy_decision_ignore(decision);
    if (webkit_navigation_action_get_navigation_type(action) == WEBKIT_NAVIGATION_TYPE_LINK_CLICKED &&
        webkit_navigation_action_is_user_gesture(action))
      policy->HandOver(url);
    return TRUE;
  }

  void HandOver(const std::string& url) {
    if (m_handler) m_handler(url.c_str(), m_context);
  }

  WebKitWebView* m_engine;
  std::string m_expected;
  LinkHandler m_handler = nullptr;
  void* m_context = nullptr;
};

// The engine's settings of every view: no script of a page runs (the
// program's own inspection still can), no window opens by itself, no local
// file reaches a page's requests, no media, WebGL or developer tool.
void LockDown(wxWebView& web) {
  WebKitSettings* settings = webkit_web_view_get_settings(EngineOf(web));
  webkit_settings_set_enable_javascript_markup(settings, FALSE);
  webkit_settings_set_javascript_can_open_windows_automatically(settings, FALSE);
  webkit_settings_set_allow_file_access_from_file_urls(settings, FALSE);
  webkit_settings_set_allow_universal_access_from_file_urls(settings, FALSE);
  webkit_settings_set_enable_developer_extras(settings, FALSE);
  webkit_settings_set_enable_media(settings, FALSE);
  webkit_settings_set_enable_webgl(settings, FALSE);
  webkit_settings_set_enable_webaudio(settings, FALSE);
  webkit_settings_set_auto_load_images(settings, TRUE);
  // "Download linked file" and "open in a new window" would bypass the policy.
  web.EnableContextMenu(false);
}

ViewPolicy* PolicyOf(wxWindow* view) {
  auto* web = dynamic_cast<wxWebView*>(view);
  return web ? static_cast<ViewPolicy*>(web->GetClientObject()) : nullptr;
}

struct ScriptRun {
  bool done = false;
  std::string result;
};

void ScriptFinished(GObject* source, GAsyncResult* result, gpointer data) {
  auto* run = static_cast<ScriptRun*>(data);
  GError* error = nullptr;
  JSCValue* value =
      webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, &error);
  if (value) {
    gchar* text = jsc_value_to_string(value);
    run->result = text ? text : "";
    g_free(text);
    g_object_unref(value);
  }
  if (error) g_error_free(error);
  run->done = true;
}

}  // namespace

QUILLORY_WEBVIEW_EXPORT wxWindow* QuilloryWebViewCreate(wxWindow* parent) {
  if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) return nullptr;
  wxWebView* web = wxWebView::New(parent, wxID_ANY);
  if (!web) return nullptr;
  LockDown(*web);
  web->SetClientObject(new ViewPolicy(*web));
  return web;
}

QUILLORY_WEBVIEW_EXPORT void QuilloryWebViewLoadUrl(wxWindow* view, const char* url) {
  auto* web = dynamic_cast<wxWebView*>(view);
  if (!web) return;
  const wxString address = wxString::FromUTF8(url);
  if (ViewPolicy* policy = PolicyOf(view)) policy->ExpectLoad(address);
  web->LoadURL(address);
}

QUILLORY_WEBVIEW_EXPORT void QuilloryWebViewSetPage(wxWindow* view, const char* html,
                                                   const char* baseUrl) {
  auto* web = dynamic_cast<wxWebView*>(view);
  if (!web) return;
  const wxString base = wxString::FromUTF8(baseUrl);
  if (ViewPolicy* policy = PolicyOf(view)) policy->ExpectLoad(base.empty() ? "about:blank" : base);
  web->SetPage(wxString::FromUTF8(html), base);
}

// The user's clicks on links: handler(url) with the address in UTF-8.
QUILLORY_WEBVIEW_EXPORT void QuilloryWebViewSetLinkHandler(wxWindow* view, LinkHandler handler,
                                                          void* context) {
  if (ViewPolicy* policy = PolicyOf(view)) policy->SetLinkHandler(handler, context);
}

// For tests: whether the view is still loading, and what a script run on the
// page gives (UTF-8), through the engine (a page's policy forbids its own
// scripts, not the program's inspection).
QUILLORY_WEBVIEW_EXPORT int QuilloryWebViewIsBusy(wxWindow* view) {
  auto* web = dynamic_cast<wxWebView*>(view);
  return web && webkit_web_view_is_loading(EngineOf(*web)) ? 1 : 0;
}

QUILLORY_WEBVIEW_EXPORT void QuilloryWebViewRunScript(wxWindow* view, const char* script,
                                                     void (*take)(const char*, void*),
                                                     void* context) {
  auto* web = dynamic_cast<wxWebView*>(view);
  ScriptRun run;
  if (web) {
    GCancellable* cancel = g_cancellable_new();
    webkit_web_view_evaluate_javascript(EngineOf(*web), script, -1, nullptr, nullptr, cancel,
                                        &ScriptFinished, &run);
    const gint64 deadline = g_get_monotonic_time() + 10 * G_USEC_PER_SEC;
    while (!run.done) {
      // A script that never ends is cancelled; its callback still comes.
      if (g_get_monotonic_time() > deadline) g_cancellable_cancel(cancel);
      if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(1000);
    }
    g_object_unref(cancel);
  }
  take(run.result.c_str(), context);
}
