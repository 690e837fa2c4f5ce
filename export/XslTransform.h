#pragma once
// Applies an XSL stylesheet to an XML document in-process (libxml2 and
// libxslt), for the exported collection page and for the web view, which
// cannot apply a stylesheet to a local file by itself.

#include <string>

struct XslResult {
  bool ok = false;
  std::string html;    // the transformed page, always UTF-8 (so declared in it)
  std::string error;   // what went wrong, for the user (ASCII from the libraries)
};

class XslTransform {
 public:
  // Transforms the document's bytes with the stylesheet file. documentPath
  // names the document (for relative references and messages);
  // forcedEncoding, when not empty, reads the bytes in that encoding whatever
  // their declaration says ("windows-1252" for the collection export). No
  // network access and no file writing are allowed to either file.
  static XslResult Apply(const std::string& documentBytes, const std::string& documentPath,
                         const std::string& stylesheetPath,
                         const std::string& forcedEncoding = std::string());

  // The href of the document's xml-stylesheet instruction, resolved against
  // the document's folder (file addresses become paths); empty when there is
  // none or the document cannot be parsed. error receives the parser's text.
  static std::string StylesheetOf(const std::string& documentBytes,
                                  const std::string& documentPath, std::string* error = nullptr);

  // Whether the bytes are a well-formed XML document.
  static bool IsWellFormed(const std::string& bytes, std::string* error = nullptr);
};
