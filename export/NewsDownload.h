#pragma once
// The news feed's download (libcurl) and the news document written from it.
// The download runs on a worker thread of its own so that the window stays
// alive behind its progress box; it has connection and total time-outs and
// can be cancelled.

#include "export/ProxySettings.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

struct NewsRequest {
  std::string url;
  ProxySettings proxy;
  long connectTimeoutMs = 15000;
  long totalTimeoutMs = 60000;
};

struct NewsResult {
  int code = -1;            // libcurl's result, 0 when the feed arrived whole
  std::string body;         // the bytes received
  std::string errorText;    // libcurl's description of a failure
  bool cancelled = false;
};

class CNewsDownload {
 public:
  CNewsDownload() = default;
  ~CNewsDownload();  // cancels and waits for a download still running
  CNewsDownload(const CNewsDownload&) = delete;
  CNewsDownload& operator=(const CNewsDownload&) = delete;

  // Starts the download on the worker thread.
  void Start(const NewsRequest& request);
  bool IsFinished() const { return m_finished.load(); }
  void Cancel() { m_cancel.store(true); }
  // The result, once finished (waits for the worker otherwise).
  const NewsResult& Result();

  // The whole download on the calling thread.
  static NewsResult Run(const NewsRequest& request, const std::atomic<bool>* cancel = nullptr);

 private:
  std::thread m_worker;
  std::atomic<bool> m_cancel{false};
  std::atomic<bool> m_finished{false};
  NewsResult m_result;
};

// The news document: the feed with the stylesheet instruction placed after
// its own XML declaration (a declaration anywhere but first makes a file no
// XML reader accepts), or, when the download failed, the declaration, the
// instruction and the error document with libcurl's text.
class NewsDocument {
 public:
  static constexpr const char* DOCUMENT = "data\\quilloryNew.xml";
  static constexpr const char* STYLESHEET = "data\\quilloryNews.xsl";
  static constexpr const char* STYLESHEET_FALLBACK = "data/quilloryNews.xsl";
  static constexpr const char* ERROR_DECLARATION = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
  static constexpr const char* ERROR_FORMAT =
      "\n<error><type>Echec de connexion internet (Erreur %s). Verifier vos parametre de connexion "
      "et votre firewall</type></error>\n";
  // The text given for a feed that arrived but is not an XML document.
  static constexpr const char* NOT_XML = "le flux recu n'est pas un document XML";

  static std::string StylesheetInstruction(const std::string& stylesheetPath);
  // The bytes of the document for this download's result.
  static std::string Compose(const std::string& stylesheetPath, const NewsResult& result);
};
