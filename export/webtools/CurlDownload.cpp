// The libcurl side of CNewsDownload, in the web tools module.
#include "export/NewsDownload.h"
#include "export/webtools/WebToolsApi.h"

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

}  // namespace

QUILLORY_WEBTOOLS_EXPORT void QuilloryDownload(const NewsRequest* requestIn,
                                               const std::atomic<bool>* cancel, NewsResult* out) {
  InitCurlOnce();
  const NewsRequest& request = *requestIn;
  NewsResult result;
  CURL* curl = curl_easy_init();
  if (!curl) {
    result.code = CURLE_FAILED_INIT;
    result.errorText = curl_easy_strerror(CURLE_FAILED_INIT);
    *out = result;
    return;
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
  *out = std::move(result);
}
