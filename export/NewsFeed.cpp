#include "export/NewsFeed.h"

#include "collection/DataPath.h"
#include "collection/SafeFile.h"
#include "export/NewsDownload.h"
#include "export/NewsProgress.h"
#include "export/QuilloryAffNews.h"
#include "export/QuilloryProxy.h"
#include "platform/Profile.h"
#include "platform/Services.h"

#include <unistd.h>

#include <cstdio>

namespace {

// Whether the file can be written, without changing an existing one.
bool CanCreate(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (!file) return false;
  std::fclose(file);
  return true;
}

}  // namespace

std::string NewsFeed::FeedUrl() {
  return ui::AppProfile().GetProfileString(PROFILE_SECTION, PROFILE_FEED_URL, FEED_URL);
}

void NewsFeed::OnSortieBD(ui::Window& owner, const ProxySettings& proxy,
                          const std::string& programFolder) {
  const std::string document = DataPath(programFolder, NewsDocument::DOCUMENT);
  const std::string stylesheet = DataPath(programFolder, NewsDocument::STYLESHEET);
  if (!CanCreate(document)) {
    ui::AfxMessageBox(MSG_CANNOT_CREATE);
    return;
  }

  // The shipped stylesheet, put back first when it is missing: the page is
  // made with the download.
  if (access(stylesheet.c_str(), F_OK) != 0) {
    std::string bytes;
    if (ReadWholeFile(NewsDocument::STYLESHEET_FALLBACK, bytes))
      WriteFileAtomically(stylesheet, bytes);
  }

  NewsRequest request;
  request.url = FeedUrl();
  request.proxy = proxy;
  request.connectTimeoutMs = CONNECT_TIMEOUT_MS;
  request.totalTimeoutMs = TOTAL_TIMEOUT_MS;
  request.documentPath = document;
  request.stylesheetPath = stylesheet;
  CNewsDownload download;
  download.Start(request);
  CNewsProgress progress(&owner, download);
  if (progress.DoModal() != ui::IDOK) return;  // cancelled: the last news stay
  const NewsResult& result = download.Result();
  if (result.cancelled) return;

  if (!WriteFileAtomically(document, result.document)) {
    ui::AfxMessageBox(MSG_CANNOT_CREATE);
    return;
  }
  CQuilloryAffNews news(&owner, document, result.page);
  news.DoModal();
}

void NewsFeed::OnConfigurationWeb(ui::Window& owner, const ProxySettings& current,
                                  const std::string& programFolder,
                                  std::function<void(const ProxySettings&)> setProxyConfig) {
  CQuilloryProxy dlg(&owner, current, programFolder, std::move(setProxyConfig));
  dlg.DoModal();
}
