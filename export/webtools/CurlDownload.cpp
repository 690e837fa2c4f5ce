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

struct Received {
  std::string* body;
  std::size_t maxBytes;
  bool tooLarge = false;
};

// Keeps at most maxBytes: beyond, the transfer stops (a write error).
std::size_t Append(char* data, std::size_t size, std::size_t count, void* target) {
  auto* received = static_cast<Received*>(target);
  const std::size_t bytes = size * count;
  if (received->body->size() + bytes > received->maxBytes) {
    received->tooLarge = true;
    return 0;
  }
  received->body->append(data, bytes);
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
  Received received{&result.body, request.maxBytes};
  curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Append);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &received);
  // A server that announces more is not even read.
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(request.maxBytes));
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
  // An error page of the server is not a feed; nor is a redirect's body (no
  // redirect is followed: CURLOPT_FOLLOWLOCATION stays off).
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Progress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(cancel));
  const CURLcode code = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  result.httpStatus = status;
  const char* location = nullptr;
  if (curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location)
    result.location = location;
  curl_easy_cleanup(curl);
  result.code = code;
  result.cancelled = code == CURLE_ABORTED_BY_CALLBACK;
  result.tooLarge = received.tooLarge || code == CURLE_FILESIZE_EXCEEDED;
  if (result.tooLarge) result.body.clear();
  if (code != CURLE_OK) result.errorText = curl_easy_strerror(code);
  *out = std::move(result);
}
