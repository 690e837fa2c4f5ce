#include "export/CollectionExport.h"

#include "collection/Album.h"
#include "collection/Cp1252.h"
#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "collection/SafeFile.h"
#include "export/XslTransform.h"
#include "platform/Services.h"

#include <tessaly/VantorelTessaly.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

bool CreateFolder(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

// The file copy of the platform: the target is replaced when it exists.
bool CopyFile(const std::string& from, const std::string& to) {
  std::string bytes;
  return ReadWholeFile(from, bytes) && WriteFileAtomically(to, bytes);
}

std::string Replace(const char* pattern, const char* marker, const std::string& value) {
  std::string text(pattern);
  std::size_t at = text.find(marker);
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

std::string Replace(const char* pattern, const std::string& value) {
  return Replace(pattern, "%s", value);
}

}  // namespace

const char* CollectionExport::TypeElement(int type) {
  if (type == ALBUM_COMIC) return "Comic";
  if (type == ALBUM_MANGA) return "Manga";
  return "BD";
}

std::string CollectionExport::PictureFileName(const std::string& picture) {
  std::size_t slash = picture.find_last_of("\\/");
  return slash == std::string::npos ? picture : picture.substr(slash + 1);
}

std::string CollectionExport::EscapeText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
          out += ' ';
        else
          out += c;
    }
  }
  return out;
}

CollectionExport::Result CollectionExport::ExportCollectionXml(const CGestionBD& gestion,
                                                               const std::string& programFolder,
                                                               bool withPage) {
  Result result;
  const std::string exportFolder = DataPath(programFolder, EXPORT_FOLDER);
  const std::string pictureFolder = DataPath(programFolder, PICTURE_FOLDER);
  if (!Exists(exportFolder)) CreateFolder(exportFolder);
  // The stylesheet is copied with the picture folder's creation only: a user
  // who edited the copy keeps it at the next export.
  if (!Exists(pictureFolder) && CreateFolder(pictureFolder))
    CopyFile(DataPath(programFolder, STYLESHEET_SOURCE), DataPath(programFolder, STYLESHEET_COPY));

  auto document = std::make_unique<VantorelTessaly>();
  document->CreateRoot("Quillory");
  VantorelTessaly::CElementPart* root = document->Root();
  int nbEuro = 0, nbManga = 0, nbComic = 0;
  for (int i = 0; i < gestion.GetAlbumCount(); ++i) {
    const CAlbum* album = gestion.GetAlbum(i);
    if (!album) continue;
    const char* name = TypeElement(album->GetType());
    if (name[0] == 'C') ++nbComic;
    else if (name[0] == 'M') ++nbManga;
    else ++nbEuro;
    VantorelTessaly::CElement* element = document->AddElement(root, name);
    document->AddElement(element, "Titre", EscapeText(album->GetTitre()));
    document->AddElement(element, "Serie", EscapeText(album->GetSerie()));
    document->AddElement(element, "Comment", EscapeText(album->GetCommentaire()));
    std::string picture = PictureFileName(album->GetPicture());
    std::string source;
    if (picture != kNoValue) {
      // Read only below the program folder, written only into the picture
      // folder: anything else is left out of the page, the album stays.
      source = DataPath(programFolder, album->GetPicture());
      if (source.empty() || picture.empty() || picture == "." || picture == "..") {
        ++result.coversLeftOut;
        picture = kNoValue;
      } else {
        picture = "images/" + picture;
      }
    }
    document->AddElement(element, "Picture", EscapeText(picture));
    if (picture != kNoValue)
      CopyFile(source, DataPath(programFolder, std::string("ExportXml\\") + picture));
  }
  document->AddElement(root, "NbEuro", nbEuro);
  document->AddElement(root, "NbManga", nbManga);
  document->AddElement(root, "NbComic", nbComic);

  const std::string documentPath = DataPath(programFolder, DOCUMENT);
  document->SetXSLLink("Quillory.xsl");
  document->SetXSLEncoding("ISO-8859-1");
  document->SetXMLVersion("1.0");
  document->SetFile(documentPath);
  if (!document->Write()) {
    const auto& messages = document->GetMessages();
    result.problem = Replace(MSG_DOCUMENT_FAILED,
                             cp1252::FromUtf8ForDisplay(messages.empty() ? documentPath : messages.front()));
    return result;
  }
  result.documentWritten = true;
  if (!withPage) return result;

  // The page: the document just written, read as the Windows-1252 bytes it
  // holds (its declaration names ISO-8859-1, which lacks the euro sign and
  // the curly quotes), through the stylesheet beside it. The bytes are made
  // UTF-8 here: the five the code page leaves undefined become replacement
  // characters instead of stopping the page or shifting what follows.
  std::string bytes;
  std::string stylesheetName = STYLESHEET_COPY;
  if (!Exists(DataPath(programFolder, stylesheetName))) stylesheetName = STYLESHEET_SOURCE;
  XslResult page;
  if (!ReadWholeFile(documentPath, bytes))
    page.failure = XslFailure::Document;
  else
    page = XslTransform::Apply(cp1252::ToUtf8ForDisplay(bytes), documentPath,
                               DataPath(programFolder, stylesheetName), "UTF-8");
  std::string reason;
  if (!page.ok) {
    reason = XslTransform::Explain(page, stylesheetName);
    if (!page.detail.empty()) reason += "\nD\xE9tail : " + XslTransform::Detail(page);
  } else if (!WriteFileAtomically(DataPath(programFolder, PAGE), page.html)) {
    reason = MSG_PAGE_UNWRITABLE;
  }
  if (!reason.empty()) {
    result.problem = Replace(MSG_PAGE_FAILED, reason);
    return result;
  }
  result.pageWritten = true;
  return result;
}

void CollectionExport::OnExportHtml(const CGestionBD& gestion, const std::string& programFolder) {
  Result result;
  {
    ui::WaitCursor wait;
    result = ExportCollectionXml(gestion, programFolder);
  }
  std::string message = result.problem.empty() ? std::string(MSG_DONE) : result.problem;
  if (result.coversLeftOut > 0)
    message += Replace(MSG_COVERS_LEFT_OUT, "%i", std::to_string(result.coversLeftOut));
  if (result.problem.empty() && result.coversLeftOut == 0)
    ui::AfxMessageBox(message);
  else
    ui::AfxMessageBox(message, ui::MB_OK | (result.problem.empty() ? ui::MB_ICONEXCLAMATION
                                                                   : ui::MB_ICONSTOP));
}
