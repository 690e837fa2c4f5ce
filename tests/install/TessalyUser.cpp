// A program of someone else's, built against the installed Tessaly: writes a
// small document, reads it back in a second document and prints what the
// queries find.
#include <tessaly/VantorelTessaly.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  using CElement = VantorelTessaly::CElement;
  {
    VantorelTessaly doc;
    doc.SetFile(argv[1]);
    doc.SetXMLVersion("1.0");
    doc.SetXSLEncoding("ISO-8859-1");
    doc.SetXSLLink("etagere.xsl");
    doc.CreateRoot("Etagere");
    CElement* album = doc.AddElement(doc.Root(), "Album");
    doc.AddElement(album, "Serie", std::string("Les Brumes de Kerlann"));
    doc.AddElement(album, "Tome", 4);
    if (!doc.Write()) return 1;
  }
  VantorelTessaly doc;
  doc.SetFile(argv[1]);
  if (!doc.Read()) {
    for (const std::string& message : doc.GetMessages()) std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
  }
  // What was read hangs below a top node of the reader's own.
  CElement* shelf = doc.GetFirstChildNode(static_cast<CElement*>(doc.Root()), "Etagere");
  CElement* album = shelf ? doc.GetFirstChildNode(shelf, "Album") : nullptr;
  if (!album) return 1;
  std::printf("%s %s\n", doc.GetDataFromName(album, "Serie").c_str(),
              doc.GetDataFromName(album, "Tome").c_str());
  return 0;
}
