#include "export/NewsDownload.h"

#include "collection/Cp1252.h"
#include "export/WebTools.h"

namespace {

std::string EscapeXml(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

// Line feeds as the Windows program's text-mode file wrote them.
std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string Format(const char* pattern, const std::string& value) {
  std::string text(pattern);
  const std::size_t at = text.find('%');
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

// A library's text as UTF-8 an XML document can hold, whatever bytes it
// quotes.
std::string CleanDetail(const std::string& utf8) {
  std::string text = cp1252::FromUtf8ForDisplay(utf8);
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return cp1252::ToUtf8ForDisplay(text);
}

std::string Megabytes(std::size_t bytes) { return std::to_string(bytes / (1024 * 1024)); }

}  // namespace

CNewsDownload::~CNewsDownload() {
  Cancel();
  if (m_worker.joinable()) m_worker.join();
}

void CNewsDownload::Start(const NewsRequest& request) {
  WebTools::Get();  // loaded here, not on the worker thread
  m_worker = std::thread([this, request] {
    m_result = Run(request, &m_cancel);
    m_finished.store(true);
  });
}

const NewsResult& CNewsDownload::Result() {
  if (m_worker.joinable()) m_worker.join();
  return m_result;
}

NewsResult CNewsDownload::Run(const NewsRequest& request, const std::atomic<bool>* cancel) {
  NewsResult result;
  if (const WebTools* tools = WebTools::Get()) {
    tools->download(&request, cancel, &result);
  } else {
    result.code = 2;  // libcurl's "failed initialization"
    result.errorText = "libQuilloryWebTools.so";
  }
  if (result.cancelled || request.documentPath.empty()) return result;
  result.document = NewsDocument::Compose(request.stylesheetPath, result);
  result.page = XslTransform::Apply(result.document, request.documentPath, request.stylesheetPath);
  return result;
}

std::string NewsDocument::StylesheetInstruction(const std::string& stylesheetPath) {
  return "<?xml-stylesheet type=\"text/xsl\" href=\"" + XslTransform::FileUrl(stylesheetPath) + "\"?>";
}

std::string NewsDocument::ConnectionProblem(int curlCode, long httpStatus) {
  const char* what = "erreur du r\xE9seau";
  switch (curlCode) {
    case 1: what = "adresse non prise en charge (http et https seulement)"; break;
    case 3: what = "adresse du flux mal form\xE9" "e"; break;
    case 5: what = "le proxy est introuvable"; break;
    case 6: what = "le serveur des sorties est introuvable"; break;
    case 7: what = "la connexion est refus\xE9" "e"; break;
    case 18: case 55: case 56: what = "la connexion a \xE9t\xE9 coup\xE9" "e"; break;
    case 22:
      if (httpStatus == 407) {
        what = "le proxy refuse le login ou le mot de passe";
        return std::to_string(httpStatus) + " : " + what;
      }
      break;
    case 28: what = "le serveur ne r\xE9pond pas"; break;
    case 35: case 53: case 54: case 58: case 59: case 60: case 64: case 66: case 77: case 80:
    case 82: case 83: case 90: case 91: case 98:
      what = "la connexion s\xE9" "curis\xE9" "e a \xE9" "chou\xE9"; break;
    case 52: what = "le serveur n'a rien r\xE9pondu"; break;
    case 97: what = "le proxy a refus\xE9 la connexion"; break;
    default: break;
  }
  return std::to_string(curlCode) + " : " + what;
}

std::string NewsDocument::Compose(const std::string& stylesheetPath, const NewsResult& result) {
  std::string message, detail;
  if (result.tooLarge) {
    message = Format(MSG_TOO_LARGE, Megabytes(NewsRequest::MAX_FEED_BYTES));
  } else if (result.code == 0 && result.httpStatus >= 300 && result.httpStatus < 400) {
    // No redirect is followed: its body is not the feed.
    message = MSG_REDIRECT;
    detail = "HTTP " + std::to_string(result.httpStatus) +
             (result.location.empty() ? std::string() : ", Location : " + result.location);
  } else if (result.code == 22 && result.httpStatus != 407) {
    message = Format(MSG_HTTP, std::to_string(result.httpStatus));
    detail = result.errorText;
  } else if (result.code != 0) {
    message = Format(MSG_CONNECTION, ConnectionProblem(result.code, result.httpStatus));
    detail = result.errorText;
  } else {
    const XslResult document =
        XslTransform::WithStylesheet(result.body, XslTransform::FileUrl(stylesheetPath));
    if (document.ok) return document.html;
    message = document.failure == XslFailure::Entities
                  ? Format(MSG_ENTITIES, Megabytes(XslTransform::ENTITY_BUDGET))
              : document.failure == XslFailure::Module ? XslTransform::Explain(document, "")
                                                       : std::string(MSG_NOT_XML);
    detail = document.detail;
  }
  std::string error = "\n<error><type>" + EscapeXml(cp1252::ToUtf8(message)) + "</type>";
  if (!detail.empty()) error += "<detail>" + EscapeXml(CleanDetail(detail)) + "</detail>";
  error += "</error>\n";
  return std::string(ERROR_DECLARATION) + StylesheetInstruction(stylesheetPath) + WithCrLf(error);
}
