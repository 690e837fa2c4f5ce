#pragma once
// "Imprimer": the printed list of the collection. A title and a separator,
// then each series of the selected tab's rows followed by its albums, one
// text line each ("\t\t 3 - Titre : \t Commentaire"), in a 14-point serif
// font within margins of 1 cm, with tab stops every 0.75 cm. Either main
// window prints through it.

#include <string>
#include <vector>

namespace ui {
class PrinterSurface;
class Window;
}
class CGestionBD;

class CImpressionListe {
 public:
  static constexpr const char* DOCUMENT_NAME = "Ma liste de BD";
  static constexpr const char* TITLE = "Liste des BD de ma bibliotheque";
  static constexpr const char* SEPARATOR = "--------------------------------------";

  // Asks for a printer (or a PDF file) and prints the list of these series
  // (the first column of the selected tab's rows, in list order; a series
  // named on several rows is printed once). False when nothing was printed.
  static bool Print(ui::Window* owner, const CGestionBD& gestion,
                    const std::vector<std::string>& series);

  // Draws the list on a printer, beginning and ending its pages: each page
  // holds the same number of lines, none below its bottom margin; a page
  // does not begin with a blank line.
  static void Draw(ui::PrinterSurface& dc, const CGestionBD& gestion,
                   const std::vector<std::string>& series);

  // The first column of every row of a list, in list order.
  template <class List>
  static std::vector<std::string> FirstColumn(const List& list) {
    std::vector<std::string> names;
    for (int row = 0; row < list.GetItemCount(); ++row) names.push_back(list.GetItemText(row, 0));
    return names;
  }
};
