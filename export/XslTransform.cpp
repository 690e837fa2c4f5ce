#include "export/XslTransform.h"

#include "collection/Cp1252.h"
#include "export/WebTools.h"

// The work is done in the web tools module, loaded on first use.

namespace {

XslResult ModuleMissing() {
  XslResult result;
  result.failure = XslFailure::Module;
  return result;
}

}  // namespace

XslResult XslTransform::Apply(const std::string& documentBytes, const std::string& documentPath,
                              const std::string& stylesheetPath, const std::string& forcedEncoding) {
  const WebTools* tools = WebTools::Get();
  if (!tools) return ModuleMissing();
  XslResult result;
  tools->apply(&documentBytes, &documentPath, &stylesheetPath, &forcedEncoding, &result);
  return result;
}

XslResult XslTransform::WithStylesheet(const std::string& documentBytes,
                                       const std::string& stylesheetHref) {
  const WebTools* tools = WebTools::Get();
  if (!tools) return ModuleMissing();
  XslResult result;
  tools->withStylesheet(&documentBytes, &stylesheetHref, &result);
  return result;
}

std::string XslTransform::StylesheetOf(const std::string& documentBytes,
                                       const std::string& documentPath, std::string* error) {
  std::string href, message;
  if (const WebTools* tools = WebTools::Get())
    tools->stylesheetOf(&documentBytes, &documentPath, &href, &message);
  else
    message = Explain(ModuleMissing(), std::string());
  if (error) *error = message;
  return href;
}

bool XslTransform::IsWellFormed(const std::string& bytes, std::string* error) {
  const WebTools* tools = WebTools::Get();
  if (!tools) {
    if (error) *error = Explain(ModuleMissing(), std::string());
    return false;
  }
  return tools->wellFormed(&bytes, error);
}

std::string XslTransform::FileUrl(const std::string& path) {
  static const char* digits = "0123456789ABCDEF";
  std::string url = "file://";
  for (char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
        c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      url += c;
    } else {
      url += '%';
      url += digits[byte >> 4];
      url += digits[byte & 15];
    }
  }
  return url;
}

std::string XslTransform::Explain(const XslResult& result, const std::string& stylesheet) {
  switch (result.failure) {
    case XslFailure::None:
      return std::string();
    case XslFailure::Module:
      return "Le module libQuilloryWebTools.so est introuvable \xE0 c\xF4t\xE9 du programme : "
             "r\xE9installez Quillory.";
    case XslFailure::Document:
      return "Le document n'est pas un fichier XML lisible.";
    case XslFailure::Entities:
      return "Le document d\xE9" "finit des entit\xE9s qui le feraient d\xE9passer " +
             std::to_string(ENTITY_BUDGET / (1024 * 1024)) +
             " Mo une fois d\xE9velopp\xE9 : il n'est pas lu.";
    case XslFailure::Stylesheet:
      return "La feuille de style " + stylesheet +
             " est introuvable ou illisible : r\xE9installez Quillory pour la retrouver.";
    case XslFailure::StylesheetInvalid:
      return "La feuille de style " + stylesheet +
             " n'est pas une feuille XSL valide : corrigez-la ou remplacez-la par celle de "
             "Quillory.";
    case XslFailure::Transform:
      return "La mise en page par la feuille de style " + stylesheet +
             " a \xE9" "chou\xE9 : corrigez-la ou remplacez-la par celle de Quillory.";
    case XslFailure::Output:
      return "La page n'a pas pu \xEAtre produite (m\xE9moire insuffisante ?).";
  }
  return std::string();
}

std::string XslTransform::Detail(const XslResult& result) {
  return cp1252::FromUtf8ForDisplay(result.detail);
}
