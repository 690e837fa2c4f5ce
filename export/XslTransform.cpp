#include "export/XslTransform.h"

#include "export/WebTools.h"

// The work is done in the web tools module, loaded on first use.

XslResult XslTransform::Apply(const std::string& documentBytes, const std::string& documentPath,
                              const std::string& stylesheetPath, const std::string& forcedEncoding) {
  XslResult result;
  if (const WebTools* tools = WebTools::Get())
    tools->apply(&documentBytes, &documentPath, &stylesheetPath, &forcedEncoding, &result);
  else
    result.error = WebTools::MISSING;
  return result;
}

std::string XslTransform::StylesheetOf(const std::string& documentBytes,
                                       const std::string& documentPath, std::string* error) {
  std::string href, message;
  if (const WebTools* tools = WebTools::Get())
    tools->stylesheetOf(&documentBytes, &documentPath, &href, &message);
  else
    message = WebTools::MISSING;
  if (error) *error = message;
  return href;
}

bool XslTransform::IsWellFormed(const std::string& bytes, std::string* error) {
  const WebTools* tools = WebTools::Get();
  if (!tools) {
    if (error) *error = WebTools::MISSING;
    return false;
  }
  return tools->wellFormed(&bytes, error);
}
