#include "export/NewsDownload.h"

#include "export/WebTools.h"
#include "export/XslTransform.h"

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
    result.errorText = WebTools::MISSING;
  }
  return result;
}

std::string NewsDocument::StylesheetInstruction(const std::string& stylesheetPath) {
  return "<?xml-stylesheet type=\"text/xsl\" href=\"" + stylesheetPath + "\"?>";
}

std::string NewsDocument::Compose(const std::string& stylesheetPath, const NewsResult& result) {
  const std::string instruction = StylesheetInstruction(stylesheetPath);
  std::string errorText = result.errorText;
  if (result.code == 0) {
    std::string feed = result.body;
    // The feed's own declaration (after a byte order mark, if any) stays first.
    std::size_t start = feed.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    std::size_t insertAt = start;
    if (feed.compare(start, 5, "<?xml") == 0 && start + 5 < feed.size() &&
        (feed[start + 5] == ' ' || feed[start + 5] == '\t' || feed[start + 5] == '\r' ||
         feed[start + 5] == '\n')) {
      std::size_t end = feed.find("?>", start);
      insertAt = end == std::string::npos ? feed.size() : end + 2;
    }
    feed.insert(insertAt, instruction);
    if (XslTransform::IsWellFormed(feed)) return feed;
    errorText = NOT_XML;
  }
  std::string error = ERROR_FORMAT;
  error.replace(error.find("%s"), 2, EscapeXml(errorText));
  return std::string(ERROR_DECLARATION) + instruction + WithCrLf(error);
}
