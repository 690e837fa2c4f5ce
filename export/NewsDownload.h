#pragma once
// The news feed's download (libcurl) and the news document written from it.
// The download, the reading of the feed and its page run on a worker thread
// of their own so that the window stays alive behind its progress box; the
// download has connection and total time-outs, a size limit, follows no
// redirect, and can be cancelled.

#include "export/ProxySettings.h"
#include "export/XslTransform.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>

struct NewsRequest {
  // A news feed is a few hundred kilobytes: a larger one is not read.
  static constexpr std::size_t MAX_FEED_BYTES = 4 * 1024 * 1024;

  std::string url;
  ProxySettings proxy;
  long connectTimeoutMs = 15000;
  long totalTimeoutMs = 60000;
  std::size_t maxBytes = MAX_FEED_BYTES;
  // When set, the worker also makes the news document and the page shown
  // from it (file-system paths of data\quilloryNew.xml and of its stylesheet).
  std::string documentPath;
  std::string stylesheetPath;
};

struct NewsResult {
  int code = -1;            // libcurl's result, 0 when the transfer ended well
  long httpStatus = 0;      // the server's answer (200, 301, 404...), 0 without one
  std::string location;     // where a redirect points
  bool tooLarge = false;    // the feed passed the size limit: the download stopped
  std::string body;         // the bytes received
  std::string errorText;    // libcurl's description of a failure
  bool cancelled = false;
  // Made from the above on the worker, when the request asked for them.
  std::string document;     // the news document's bytes
  XslResult page;           // the page made of it through the stylesheet
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

  // The whole work on the calling thread.
  static NewsResult Run(const NewsRequest& request, const std::atomic<bool>* cancel = nullptr);

 private:
  std::thread m_worker;
  std::atomic<bool> m_cancel{false};
  std::atomic<bool> m_finished{false};
  NewsResult m_result;
};

// The news document: the feed, re-written in UTF-8 with the stylesheet
// instruction after its declaration (a declaration anywhere but first makes a
// file no XML reader accepts, and the instruction has to be in the feed's own
// encoding); or, when the download failed or the feed cannot be read, the
// declaration, the instruction and the error document, whose message says in
// French what happened and what to do, the library's own text following in
// <detail>.
class NewsDocument {
 public:
  static constexpr const char* DOCUMENT = "data\\quilloryNew.xml";
  static constexpr const char* STYLESHEET = "data\\quilloryNews.xsl";
  static constexpr const char* STYLESHEET_FALLBACK = "data/quilloryNews.xsl";
  static constexpr const char* ERROR_DECLARATION = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";

  // The messages of the error document (Windows-1252 here, UTF-8 in it).
  static constexpr const char* MSG_CONNECTION =
      "Echec de connexion internet (Erreur %s). Verifier vos parametre de connexion et votre "
      "firewall";
  static constexpr const char* MSG_TOO_LARGE =
      "Le flux des sorties BD d\xE9passe %d Mo : le t\xE9l\xE9" "chargement a \xE9t\xE9 "
      "arr\xEAt\xE9. R\xE9" "essayez plus tard ; si cela se reproduit, l'adresse du flux n'est "
      "sans doute plus la bonne.";
  static constexpr const char* MSG_REDIRECT =
      "Le serveur des sorties BD renvoie vers une autre adresse, que Quillory ne suit pas : les "
      "sorties n'ont pas \xE9t\xE9 t\xE9l\xE9" "charg\xE9" "es. R\xE9" "essayez plus tard ; si "
      "cela se reproduit, l'adresse du flux n'est sans doute plus la bonne.";
  static constexpr const char* MSG_HTTP =
      "Le serveur des sorties BD a r\xE9pondu par l'erreur %d : les sorties ne sont pas "
      "disponibles pour le moment. R\xE9" "essayez plus tard.";
  static constexpr const char* MSG_NOT_XML =
      "Le flux re\xE7u n'est pas un document XML lisible : les sorties ne peuvent pas \xEAtre "
      "affich\xE9" "es. R\xE9" "essayez plus tard.";
  static constexpr const char* MSG_ENTITIES =
      "Le flux re\xE7u d\xE9" "finit des entit\xE9s qui le feraient d\xE9passer %d Mo une fois "
      "d\xE9velopp\xE9 : il n'a pas \xE9t\xE9 lu. R\xE9" "essayez plus tard.";

  static std::string StylesheetInstruction(const std::string& stylesheetPath);
  // The bytes of the document for this download's result.
  static std::string Compose(const std::string& stylesheetPath, const NewsResult& result);
  // What went wrong with a connection, in French: "7 : la connexion est refusée".
  static std::string ConnectionProblem(int curlCode, long httpStatus);
};
