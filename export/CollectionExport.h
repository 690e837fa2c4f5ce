#pragma once
// "Exporter en Html": the whole collection as ExportXml/Quillory.xml, written
// through Tessaly with a link to the stylesheet Quillory.xsl copied beside it,
// the cover pictures in ExportXml/images, and ExportXml/Quillory.html, the
// same page already transformed, since browsers refuse to apply a stylesheet
// to a file opened from disk. Any main window runs it through OnExportHtml.

#include <string>

class CGestionBD;

class CollectionExport {
 public:
  static constexpr const char* EXPORT_FOLDER = "ExportXml";
  static constexpr const char* PICTURE_FOLDER = "ExportXml/images";
  static constexpr const char* STYLESHEET_SOURCE = "data\\Quillory.xsl";
  static constexpr const char* STYLESHEET_COPY = "ExportXml\\Quillory.xsl";
  static constexpr const char* DOCUMENT = "ExportXml\\Quillory.xml";
  static constexpr const char* PAGE = "ExportXml\\Quillory.html";

  static constexpr const char* MSG_DONE = "Export Termin\xE9.";
  // Added to the completion message when covers were left out.
  static constexpr const char* MSG_COVERS_LEFT_OUT =
      "\n\n%i couverture(s) laiss\xE9" "e(s) de c\xF4t\xE9 : leur chemin m\xE8ne hors du dossier "
      "de Quillory. Les BD sont dans la page, sans leur image.";
  static constexpr const char* MSG_DOCUMENT_FAILED =
      "L'export n'a pas pu \xEAtre \xE9" "crit : ExportXml\\Quillory.xml ne peut pas \xEAtre "
      "cr\xE9\xE9. V\xE9rifiez que le dossier ExportXml n'est pas en lecture seule et que le "
      "disque n'est pas plein.\nD\xE9tail : %s";
  static constexpr const char* MSG_PAGE_FAILED =
      "Quillory.xml a \xE9t\xE9 \xE9" "crit, mais la page Quillory.html n'a pas pu \xEAtre "
      "cr\xE9\xE9" "e :\n%s";
  static constexpr const char* MSG_PAGE_UNWRITABLE =
      "Elle ne peut pas \xEAtre \xE9" "crite dans le dossier ExportXml : v\xE9rifiez qu'il n'est "
      "pas en lecture seule et que le disque n'est pas plein.";

  struct Result {
    bool documentWritten = false;
    bool pageWritten = false;
    std::string problem;  // the message for the user when something failed
    // Covers whose stored path leads out of the program folder: neither read
    // nor copied, and their albums are exported without a picture.
    int coversLeftOut = 0;
  };

  // Writes the export below the program folder. withPage: also the
  // transformed page (the document alone is what the stylesheet link needs).
  static Result ExportCollectionXml(const CGestionBD& gestion, const std::string& programFolder,
                                    bool withPage = true);

  // The command of every main window: wait cursor, export, then "Export
  // Terminé." or the message saying what could not be written.
  static void OnExportHtml(const CGestionBD& gestion, const std::string& programFolder);

  // The element name of an album type: 1 "Comic", 2 "Manga", any other "BD".
  static const char* TypeElement(int type);
  // The picture's file name: the part after the last backslash (or slash: a
  // path edited by hand may use either).
  static std::string PictureFileName(const std::string& picture);
  // &, < and > of an album's text as entities, control characters (which
  // XML cannot hold) as spaces.
  static std::string EscapeText(const std::string& text);
};
