// Feeds arbitrary bytes to VantorelTessaly::Read, then walks, queries and
// writes whatever tree it made. Crashes, leaks, hangs and broken tree links
// are findings.
#include <tessaly/VantorelTessaly.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using CElementPart = VantorelTessaly::CElementPart;
using CElement = VantorelTessaly::CElement;

// Read takes a file name: the input goes into an in-memory file.
const std::string& InputFile()
{
    static const std::string path = "/proc/self/fd/" + std::to_string(memfd_create("tessaly-fuzz", 0));
    return path;
}

int Descriptor()
{
    static const int fd = std::stoi(InputFile().substr(std::string("/proc/self/fd/").size()));
    return fd;
}

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Every child points back at its element; the queries agree with the lists.
void Walk(VantorelTessaly& doc, CElement* top)
{
    std::vector<CElement*> pending{top};
    while (!pending.empty()) {
        CElement* element = pending.back();
        pending.pop_back();
        Check(doc.GetNodeNbChildren(element) == static_cast<int>(element->ChildCount()));
        CElement* previous = nullptr;
        for (std::size_t i = 0; i < element->ChildCount(); ++i) {
            CElementPart* child = element->Child(i);
            Check(child->Parent() == element);
            Check(child->Kind() >= VantorelTessaly::PART_ELEMENT && child->Kind() <= VantorelTessaly::PART_COMMENT);
            if (!doc.IsElement(child))
                continue;
            auto* childElement = static_cast<CElement*>(child);
            if (previous && i < 64)  // sibling search is linear: keep the walk linear overall
                Check(doc.GetNextSiblingNode(previous) == childElement);
            previous = childElement;
            if (i < 64)
                Check(doc.GetFirstChildNode(element, child->Text()) != nullptr);
            pending.push_back(childElement);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int fd = Descriptor();
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;

    VantorelTessaly doc;
    doc.SetFile(InputFile());
    const bool read = doc.Read();

    // Warnings never stop the parse; one error does, and it comes last.
    const auto& messages = doc.GetMessages();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const bool error = messages[i].rfind("Error", 0) == 0;
        Check(error == (!read && i + 1 == messages.size()));
    }

    // Climb from where the reader stopped to the top of the tree.
    CElementPart* top = doc.Root();
    while (top->Parent())
        top = top->Parent();
    Check(top->Text() == "?root?");
    Walk(doc, static_cast<CElement*>(top));

    doc.SetFile("/dev/null");
    Check(doc.Write());
    return 0;
}
