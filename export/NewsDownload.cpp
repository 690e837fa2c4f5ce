#include "export/NewsDownload.h"

#include "export/XslTransform.h"

#include <curl/curl.h>

#include <mutex>

namespace {

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::size_t Append(char* data, std::size_t size, std::size_t count, void* target) {
  static_cast<std::string*>(target)->append(data, size * count);
  return count;
}

int Progress(void* cancel, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto* flag = static_cast<const std::atomic<bool>*>(cancel);
  return flag && flag->load() ? 1 : 0;
}

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
  InitCurlOnce();
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
  InitCurlOnce();
  NewsResult result;
  CURL* curl = curl_easy_init();
  if (!curl) {
    result.code = CURLE_FAILED_INIT;
    result.errorText = curl_easy_strerror(CURLE_FAILED_INIT);
    return result;
  }
  const std::string proxy = request.proxy.m_strProxyHost + ":" + request.proxy.m_strProxyPort;
  const std::string credentials =
      request.proxy.m_strProxyLogin + ":" + request.proxy.m_strProxyPassword;
  curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Append);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &result.body);
  // The proxy is the one of "Configuration Web", never one from the
  // environment; without it the feed is fetched directly.
  if (request.proxy.m_nProxy == 1) {
    curl_easy_setopt(curl, CURLOPT_PROXY, proxy.c_str());
    if (request.proxy.m_nProxyAuth == 1)
      curl_easy_setopt(curl, CURLOPT_PROXYUSERPWD, credentials.c_str());
  } else {
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
  }
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, request.connectTimeoutMs);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, request.totalTimeoutMs);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  // An error page of the server is not a feed.
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Progress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(cancel));
  const CURLcode code = curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  result.code = code;
  result.cancelled = code == CURLE_ABORTED_BY_CALLBACK;
  if (code != CURLE_OK) result.errorText = curl_easy_strerror(code);
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
