// Someone else's program built against the installed Tessaly: writes a small
// document, reads it back and prints what the queries find.
#include <tessaly/VantorelTessaly.h>

#include <cstdio>

int main(int argc, char** argv) {
  using CElement = VantorelTessaly::CElement;
  if (argc != 2) return 2;
  VantorelTessaly written, read;
  written.SetFile(argv[1]);
  written.SetXMLVersion("1.0");
  written.SetXSLEncoding("ISO-8859-1");
  written.SetXSLLink("etagere.xsl");
  written.CreateRoot("Etagere");
  CElement* album = written.AddElement(written.Root(), "Album");
  written.AddElement(album, "Serie", std::string("Les Brumes de Kerlann"));
  written.AddElement(album, "Tome", 4);
  read.SetFile(argv[1]);
  if (!written.Write() || !read.Read()) return 1;
  // What was read hangs below a top node of the reader's own.
  CElement* shelf = read.GetFirstChildNode(static_cast<CElement*>(read.Root()), "Etagere");
  album = shelf ? read.GetFirstChildNode(shelf, "Album") : nullptr;
  if (!album) return 1;
  std::printf("%s %s\n", read.GetDataFromName(album, "Serie").c_str(), read.GetDataFromName(album, "Tome").c_str());
  return 0;
}
