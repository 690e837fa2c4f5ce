#pragma once
// Applies an XSL stylesheet to an XML document in-process (libxml2 and
// libxslt), for the exported collection page and for the web view, which
// cannot apply a stylesheet to a local file by itself; and makes the news
// document of a feed.
//
// Every document is read with bounds: no network, no external entity, and
// at most ENTITY_BUDGET bytes added by entity references (a small feed that
// names one large entity thousands of times would fill the memory).

#include <cstddef>
#include <string>

// What went wrong, for the message the caller shows.
enum class XslFailure {
  None,
  Module,             // libQuilloryWebTools.so cannot be loaded
  Document,           // the document is not well-formed XML
  Entities,           // its entities would make it larger than the budget
  Stylesheet,         // the stylesheet cannot be read
  StylesheetInvalid,  // it is not an XSL stylesheet
  Transform,          // the transformation failed
  Output,             // the result cannot be written
};

struct XslResult {
  bool ok = false;
  std::string html;    // the transformed page, always UTF-8 (so declared in it)
  XslFailure failure = XslFailure::None;
  std::string detail;  // the library's own text (English, UTF-8), or empty
};

class XslTransform {
 public:
  static constexpr std::size_t ENTITY_BUDGET = 1024 * 1024;
  // The namespace of the program's own functions in its stylesheets:
  // safe-markup(text) gives the nodes of a news description reduced to the
  // harmless markup (see NewsMarkup).
  static constexpr const char* FUNCTIONS_NAMESPACE = "urn:quillory:xslt";

  // Transforms the document's bytes with the stylesheet file. documentPath
  // names the document (for relative references and messages);
  // forcedEncoding, when not empty, reads the bytes in that encoding whatever
  // their declaration says. No network access and no file writing are
  // allowed to either file.
  static XslResult Apply(const std::string& documentBytes, const std::string& documentPath,
                         const std::string& stylesheetPath,
                         const std::string& forcedEncoding = std::string());

  // The document re-written in UTF-8 (whatever encoding it came in) with an
  // xml-stylesheet instruction naming `stylesheetHref` after its declaration;
  // in `html`. Fails as Apply does for the document.
  static XslResult WithStylesheet(const std::string& documentBytes,
                                  const std::string& stylesheetHref);

  // The href of the document's xml-stylesheet instruction as a file path,
  // resolved against the document's folder (a file:// address is decoded);
  // empty when there is none or the document cannot be parsed. error
  // receives the parser's text.
  static std::string StylesheetOf(const std::string& documentBytes,
                                  const std::string& documentPath, std::string* error = nullptr);

  // Whether the bytes are a well-formed XML document within the bounds.
  static bool IsWellFormed(const std::string& bytes, std::string* error = nullptr);

  // A file path as an absolute file:// address, every byte that is not a
  // plain letter, digit, "/", "-", "_", "." or "~" written as %XX: it reads
  // the same in any document encoding.
  static std::string FileUrl(const std::string& path);

  // What failed, in French (Windows-1252), for a message: `stylesheet` names
  // the stylesheet as the user knows it.
  static std::string Explain(const XslResult& result, const std::string& stylesheet);
  // The library's text for after "Détail : " (Windows-1252), or empty.
  static std::string Detail(const XslResult& result);
};
