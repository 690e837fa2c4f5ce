#include "tessaly/VantorelTessaly.h"

#include "ReplacementFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <utility>

using CElementPart = VantorelTessaly::CElementPart;
using CElement = VantorelTessaly::CElement;

namespace {

const char* const kRootName = "?root?";
// White space removed around names and values, and ending a closing tag's word.
const char* const kWhiteSpace = " \t\r\n\v\f";

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return std::string();
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

// Lower case of one Windows-1252 byte: ASCII letters, accented capitals and
// the four capitals that sit in the 0x80-0x9F block.
char LowerCp1252(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    switch (u) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return c;
    }
}

std::string ToLower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), LowerCp1252);
    return text;
}

// Formats with two decimals and a point whatever the process locale is, so a
// file's numbers do not depend on the user interface's language.
std::string FormatTwoDecimals(double value)
{
    char buffer[512];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

// The name a closing tag uses: the first white-space-delimited word, or the
// whole name when it holds no word.
std::string_view ClosingName(const std::string& name)
{
    const std::string_view whole(name);
    const std::size_t first = whole.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return whole;
    const std::size_t end = whole.find_first_of(kWhiteSpace, first);
    return whole.substr(first, end == std::string_view::npos ? std::string_view::npos : end - first);
}

// A text of spaces, tabs and line breaks only never reaches the file.
bool IsBlankText(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// One left-to-right pass: at each position the first entry (in map order)
// whose source text matches is replaced, and the scan goes on after it.
// Entries with an empty source are passed over: they would match everywhere.
std::string ReplaceSymbols(const std::string& text, const VantorelTessaly::CMapStringToString& symbols,
                           bool keysToValues)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        bool replaced = false;
        for (const auto& [key, value] : symbols) {
            const std::string& from = keysToValues ? key : value;
            if (from.empty() || text.compare(pos, from.size(), from) != 0)
                continue;
            out += keysToValues ? value : key;
            pos += from.size();
            replaced = true;
            break;
        }
        if (!replaced)
            out += text[pos++];
    }
    return out;
}

// The whole file in one text; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& file, std::string& text)
{
    std::FILE* stream = std::fopen(file.c_str(), "rb");
    if (!stream)
        return false;
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
        text.append(buffer, count);
    const bool failed = std::ferror(stream) != 0;
    std::fclose(stream);
    return !failed;
}

// The text ends at its first zero byte; CR LF pairs become LF.
std::string PrepareText(std::string raw)
{
    const std::size_t zero = raw.find('\0');
    if (zero != std::string::npos)
        raw.resize(zero);
    std::size_t pair = raw.find("\r\n");
    if (pair == std::string::npos)
        return raw;
    std::string text;
    text.reserve(raw.size());
    std::size_t start = 0;
    while (pair != std::string::npos) {
        text.append(raw, start, pair - start);
        start = pair + 1;  // the line feed starts the next stretch
        pair = raw.find("\r\n", start);
    }
    text.append(raw, start, std::string::npos);
    return text;
}

} // namespace

// ---------------------------------------------------------------------------
// Nodes

CElementPart::CElementPart(std::int32_t kind, std::string text)
    : m_text(std::move(text)), m_kind(kind)
{
}

CElementPart::~CElementPart() = default;

CElementPart* CElementPart::Parent() const { return m_pParent; }
const std::string& CElementPart::Text() const { return m_text; }
std::int32_t CElementPart::Kind() const { return m_kind; }

CElement::CElement(std::string name) : CElementPart(PART_ELEMENT, std::move(name)) {}

// Subtrees are taken apart with a work list rather than by recursion, so a
// very deep tree (a hostile file can nest without end) cannot exhaust the stack.
CElement::~CElement()
{
    std::vector<std::unique_ptr<CElementPart>> pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<CElementPart> node = std::move(pending.back());
        pending.pop_back();
        if (node->Kind() == PART_ELEMENT) {
            auto& children = static_cast<CElement*>(node.get())->m_children;
            for (auto& child : children)
                pending.push_back(std::move(child));
            children.clear();
        }
    }
}

std::size_t CElement::ChildCount() const { return m_children.size(); }

CElementPart* CElement::Child(std::size_t index) const
{
    return index < m_children.size() ? m_children[index].get() : nullptr;
}

const VantorelTessaly::CMapStringToString& CElement::Attributes() const { return m_attributes; }

// ---------------------------------------------------------------------------
// Construction and reset

VantorelTessaly::VantorelTessaly()
{
    RemoveAll();
    DefaultSymbols();
}

VantorelTessaly::~VantorelTessaly() = default;

CElement* VantorelTessaly::NewTopElement()
{
    m_trees.push_back(std::unique_ptr<CElement>(new CElement(kRootName)));
    CElement* root = m_trees.back().get();
    m_pRoot = root;
    return root;
}

CElement* VantorelTessaly::AppendElement(CElement* pParent, std::string name)
{
    pParent->m_children.push_back(std::unique_ptr<CElementPart>(new CElement(std::move(name))));
    CElementPart* child = pParent->m_children.back().get();
    child->m_pParent = pParent;
    return static_cast<CElement*>(child);
}

CElementPart* VantorelTessaly::AppendLeaf(CElement* pParent, std::int32_t kind, std::string text)
{
    pParent->m_children.push_back(std::unique_ptr<CElementPart>(new CElementPart(kind, std::move(text))));
    CElementPart* child = pParent->m_children.back().get();
    child->m_pParent = pParent;
    return child;
}

void VantorelTessaly::RemoveAll()
{
    ClearSymbols();
    m_pRoot = nullptr;
    m_trees.clear();
    NewTopElement();
}

// ---------------------------------------------------------------------------
// Settings, symbols and open tags

void VantorelTessaly::SetFile(std::string file) { m_file = std::move(file); }
std::string VantorelTessaly::GetFile() const { return m_file; }
void VantorelTessaly::SetXMLVersion(std::string version) { m_xmlVersion = std::move(version); }
void VantorelTessaly::SetXSLEncoding(std::string encoding) { m_xslEncoding = std::move(encoding); }
void VantorelTessaly::SetXSLLink(std::string link) { m_xslLink = std::move(link); }

void VantorelTessaly::AddSymbol(std::string key, std::string value)
{
    m_symbols[std::move(key)] = std::move(value);
}

void VantorelTessaly::ClearSymbols()
{
    m_symbols.clear();
    m_openTags.clear();
}

void VantorelTessaly::DefaultSymbols()
{
    AddSymbol("<", "&lt;");
    AddSymbol(">", "&gt;");
    AddSymbol("\"", "&quot;");
    AddSymbol(" ", "&nbsp;");
    AddSymbol("'", "&apos;");
    AddSymbol("&", "&amp;");
    AddOpenTag("br");
}

void VantorelTessaly::AddOpenTag(std::string name)
{
    m_openTags.insert(ToLower(std::move(name)));
}

void VantorelTessaly::Decodify(std::string& text) const
{
    text = ReplaceSymbols(text, m_symbols, true);
}

void VantorelTessaly::Codify(std::string& text) const
{
    text = ReplaceSymbols(text, m_symbols, false);
}

// ---------------------------------------------------------------------------
// Root and building

CElementPart* VantorelTessaly::Root()
{
    if (!m_pRoot)
        NewTopElement();
    return m_pRoot;
}

void VantorelTessaly::CreateRoot(std::string name)
{
    Root()->m_text = std::move(name);
}

CElementPart* VantorelTessaly::AddElement(CElementPart* pParent)
{
    return AddElement(pParent, std::string());
}

CElement* VantorelTessaly::AddElement(CElementPart* pParent, std::string name)
{
    if (!IsElement(pParent))
        return nullptr;
    return AppendElement(static_cast<CElement*>(pParent), std::move(name));
}

CElement* VantorelTessaly::AddElement(CElementPart* pParent, std::string name, std::string value)
{
    CElement* element = AddElement(pParent, Trim(name));
    if (!element)
        return nullptr;
    std::string data = Trim(value);
    if (data.empty() || data == "\"\"" || data == "\" \"")
        data = "-";
    SetData(element, std::move(data));
    return element;
}

CElement* VantorelTessaly::AddElement(CElementPart* pParent, std::string name, int value)
{
    return AddElement(pParent, std::move(name), std::to_string(value));
}

CElement* VantorelTessaly::AddElement(CElementPart* pParent, std::string name, float value)
{
    return AddElement(pParent, std::move(name), FormatTwoDecimals(static_cast<double>(value)));
}

CElement* VantorelTessaly::AddElement(CElementPart* pParent, std::string name, double value)
{
    return AddElement(pParent, std::move(name), FormatTwoDecimals(value));
}

CElementPart* VantorelTessaly::AddText(CElementPart* pParent, std::string text)
{
    if (!IsElement(pParent))
        return nullptr;
    return AppendLeaf(static_cast<CElement*>(pParent), PART_TEXT, std::move(text));
}

CElementPart* VantorelTessaly::AddComment(CElementPart* pParent, std::string text)
{
    if (!IsElement(pParent))
        return nullptr;
    return AppendLeaf(static_cast<CElement*>(pParent), PART_COMMENT, std::move(text));
}

// ---------------------------------------------------------------------------
// Nodes

void VantorelTessaly::SetText(CElementPart* pPart, std::string text)
{
    if (pPart)
        pPart->m_text = std::move(text);
}

void VantorelTessaly::GetText(CElementPart* pPart, std::string& text) const
{
    if (pPart)
        text = pPart->m_text;
    else
        text.clear();
}

void VantorelTessaly::SetData(CElement* pElement, std::string data)
{
    if (pElement && pElement->m_children.empty())
        AppendLeaf(pElement, PART_TEXT, std::move(data));
}

void VantorelTessaly::GetData(CElement* pElement, std::string& data) const
{
    if (!HasChildren(pElement)) {
        data.clear();
        return;
    }
    const CElementPart* first = pElement->m_children.front().get();
    if (first->m_kind == PART_TEXT)
        data = first->m_text;
}

bool VantorelTessaly::HasChildren(CElement* pElement) const
{
    return pElement && !pElement->m_children.empty();
}

bool VantorelTessaly::IsElement(CElementPart* pPart) const
{
    return pPart && pPart->m_kind == PART_ELEMENT;
}

bool VantorelTessaly::IsText(CElementPart* pPart) const
{
    return pPart && pPart->m_kind == PART_TEXT;
}

bool VantorelTessaly::IsComment(CElementPart* pPart) const
{
    return pPart && pPart->m_kind == PART_COMMENT;
}

VantorelTessaly::CMapStringToString* VantorelTessaly::GetElementAttrMap(CElementPart* pPart)
{
    if (!IsElement(pPart))
        return nullptr;
    return &static_cast<CElement*>(pPart)->m_attributes;
}

const std::vector<std::string>& VantorelTessaly::GetMessages() const
{
    return m_messages;
}

// ---------------------------------------------------------------------------
// Writing

// The file being written, through a buffer flushed in large blocks. Text goes
// in as a file opened in text mode stores it: each line feed becomes carriage
// return, line feed, so the bytes match the Windows files.
struct VantorelTessaly::Output
{
    static constexpr std::size_t kBlock = 1 << 16;

    explicit Output(ReplacementFile& file) : m_file(file), m_stream(file.Stream())
    {
        m_buffer.reserve(2 * kBlock);
    }

    void Put(std::string_view text)
    {
        for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n')) {
            m_buffer.append(text.data(), lf);
            m_buffer += "\r\n";
            text.remove_prefix(lf + 1);
        }
        m_buffer.append(text.data(), text.size());
        m_started = true;
        if (m_buffer.size() >= kBlock)
            Flush();
    }

    // A line break (none before the very first output), then the indent.
    void LineBreak(int depth)
    {
        if (m_started)
            m_buffer += "\r\n";
        m_buffer.append(static_cast<std::size_t>(depth), ' ');
        m_started = true;
    }

    void Flush()
    {
        if (!m_buffer.empty() && std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_stream) != m_buffer.size())
            m_failed = true;
        m_buffer.clear();
    }

    // Writes what is left and puts the file in place; false when any write
    // failed (the old file then stays).
    bool Close()
    {
        Flush();
        return !m_failed && m_file.Commit();
    }

private:
    ReplacementFile& m_file;
    std::FILE* m_stream;
    std::string m_buffer;
    bool m_started = false;
    bool m_failed = false;
};

bool VantorelTessaly::Write()
{
    m_messages.clear();
    if (!m_pRoot) {
        m_messages.push_back("Error: NULL tree.");
        return false;
    }
    if (m_pRoot->m_kind != PART_ELEMENT) {
        m_messages.push_back("Error: tree root is not an Element.");
        return false;
    }
    // Written beside the file, then put in its place: a program killed while
    // writing leaves the old file whole.
    ReplacementFile file(m_file);
    if (!file.Stream()) {
        m_messages.push_back("Error: cannot open '" + m_file + "' for writing.");
        return false;
    }

    Output out(file);
    out.Put("<?xml version=\"" + m_xmlVersion + "\" encoding=\"" + m_xslEncoding + "\"?> \n");
    out.Put("<?xml-stylesheet type=\"text/xsl\" href=\"" + m_xslLink + "\"?>");
    WritePart(out, m_pRoot, 0, false);
    const bool written = out.Close();
    if (!written) {
        // A full disk must not pass for a written file.
        m_messages.push_back("Error: cannot write '" + m_file + "'.");
        return false;
    }
    return true;
}

// Writes one node and its subtree. Open elements are kept on an explicit
// stack instead of the call stack, so any depth can be written.
void VantorelTessaly::WritePart(Output& out, CElementPart* pPart, int indent, bool inlineText) const
{
    struct OpenElement
    {
        const CElement* element;
        std::size_t nextChild;
        int depth;
    };
    std::vector<OpenElement> open;

    auto startNode = [&](const CElementPart* part, int depth, bool isInline) {
        if (part->m_kind == PART_COMMENT) {
            out.LineBreak(depth);
            out.Put("<!--");
            out.Put(part->m_text);
            out.Put("-->");
        } else if (part->m_kind == PART_TEXT) {
            if (IsBlankText(part->m_text))
                return;
            if (!isInline)
                out.LineBreak(depth);
            out.Put(part->m_text);
        } else {
            const auto* element = static_cast<const CElement*>(part);
            out.LineBreak(depth);
            out.Put("<");
            out.Put(element->m_text);
            for (const auto& [name, value] : element->m_attributes) {
                out.Put(" ");
                out.Put(name);
                out.Put("=\"");
                out.Put(value);
                out.Put("\"");
            }
            if (element->m_children.empty()) {
                out.Put(m_openTags.count(ToLower(element->m_text)) ? ">" : "/>");
                return;
            }
            out.Put(">");
            open.push_back({element, 0, depth});
        }
    };

    startNode(pPart, indent, inlineText);
    while (!open.empty()) {
        OpenElement& top = open.back();
        const auto& children = top.element->m_children;
        if (top.nextChild < children.size()) {
            const CElementPart* child = children[top.nextChild++].get();
            startNode(child, top.depth + 1, children.size() == 1);  // may grow `open`
            continue;
        }
        const CElement* element = top.element;
        const int depth = top.depth;
        open.pop_back();
        if (element->m_children.size() > 1)
            out.LineBreak(depth);
        out.Put("</");
        out.Put(ClosingName(element->m_text));
        out.Put(">");
    }
}

// ---------------------------------------------------------------------------
// Reading

bool VantorelTessaly::Read()
{
    const std::string file = m_file;
    m_pRoot = nullptr;
    m_trees.clear();
    CElement* const readerRoot = NewTopElement();
    m_messages.clear();

    std::string raw;
    if (!ReadWholeFile(file, raw)) {
        m_messages.push_back("Error: File not found.");
        return false;
    }
    const std::string text = PrepareText(std::move(raw));
    const std::size_t size = text.size();
    std::size_t pos = 0;
    long line = 1;

    auto report = [&](const char* kind, const char* message) {
        m_messages.push_back(kind + std::to_string(line) + message);
    };
    auto warn = [&](const char* message) { report("Warning at line ", message); };
    auto fail = [&](const char* message) {
        report("Error at line ", message);
        return false;
    };
    auto openElement = [&]() { return static_cast<CElement*>(m_pRoot); };
    auto countLines = [](const std::string& part) {
        return static_cast<long>(std::count(part.begin(), part.end(), '\n'));
    };
    // White space inside a start tag; its line feeds are counted.
    auto skipTagSpace = [&]() {
        while (pos < size) {
            const char c = text[pos];
            if (c == '\n')
                ++line;
            else if (c != ' ' && c != '\t' && c != '\r')
                break;
            ++pos;
        }
    };
    auto closeOpenElement = [&]() { m_pRoot = m_pRoot->m_pParent; };

    while (pos < size) {
        const std::size_t tagStart = text.find('<', pos);
        if (tagStart == std::string::npos) {
            warn(": There's some text before EOF, ignoring.");
            return true;
        }
        if (tagStart > pos) {
            std::string between = text.substr(pos, tagStart - pos);
            if (m_pRoot) {
                line += countLines(between);
                AppendLeaf(openElement(), PART_TEXT, std::move(between));
            } else {
                warn(": No tag active but text found, must be at the start, ignoring.");
            }
        }
        pos = tagStart + 1;
        if (pos >= size)
            return fail(": Tag started buf EOF found.");

        if (text.compare(pos, 3, "!--") == 0) {
            const std::size_t end = text.find("-->", pos + 3);
            if (end == std::string::npos)
                return fail(": Comment tag unclosed.");
            std::string comment = text.substr(pos + 3, end - (pos + 3));
            if (m_pRoot) {
                line += countLines(comment);
                AppendLeaf(openElement(), PART_COMMENT, std::move(comment));
            } else {
                warn(": No tag active but text found, ignoring.");
            }
            pos = end + 3;
            continue;
        }

        if (text[pos] == '?') {
            const std::size_t end = text.find("?>", pos + 1);
            if (end == std::string::npos)
                return fail(": Tag <? unclosed.");
            pos = end + 2;
            continue;
        }

        if (text[pos] == '/') {
            const std::size_t end = text.find('>', pos);
            if (end == std::string::npos)
                return fail(": Tag unclosed.");
            const std::string name = Trim(text.substr(pos + 1, end - (pos + 1)));
            if (!m_pRoot)
                return fail(": Closing tag when no tag???.");
            if (name != m_pRoot->m_text)
                return fail(": Closing tag differs from open tag.");
            closeOpenElement();
            pos = end + 1;
            continue;
        }

        // Start tag.
        skipTagSpace();
        if (pos >= size)
            return fail(": Unspected EOF.");
        const std::size_t nameEnd = text.find_first_of(" \t\r\n>", pos);
        if (nameEnd == std::string::npos)
            return fail(": Unspected EOF.");
        std::string name = text.substr(pos, nameEnd - pos);
        // The writer's own empty element, "<B/>": the slash closes the element
        // rather than ending its name.
        const bool selfClosed = text[nameEnd] == '>' && !name.empty() && name.back() == '/';
        if (selfClosed)
            name.pop_back();
        // After a closing tag of "?root?" no element is open; a new element
        // then goes under the reader's "?root?" again.
        CElement* parent = m_pRoot ? openElement() : readerRoot;
        CElement* element = AppendElement(parent, std::move(name));
        m_pRoot = element;
        pos = nameEnd;
        if (selfClosed) {
            closeOpenElement();
            ++pos;
            continue;
        }

        for (;;) {
            skipTagSpace();
            if (pos >= size)
                return fail(": Unspected EOF.");
            if (text[pos] == '>') {
                ++pos;
                if (m_openTags.count(ToLower(element->m_text)))
                    closeOpenElement();
                break;
            }
            if (text.compare(pos, 2, "/>") == 0) {
                pos += 2;
                closeOpenElement();
                break;
            }
            const std::size_t equals = text.find("=\"", pos);
            if (equals == std::string::npos)
                return fail(": Unspected value form.");
            std::string attribute = Trim(text.substr(pos, equals - pos));
            std::string value;
            std::size_t cursor = equals + 2;
            for (;;) {
                if (cursor >= size)
                    return fail(": Unspected EOF.");
                const char c = text[cursor];
                if (c == '\\' && cursor + 1 < size && text[cursor + 1] == '"') {
                    value += '"';
                    cursor += 2;
                    continue;
                }
                if (c == '"')
                    break;
                value += c;
                ++cursor;
            }
            pos = cursor + 1;
            element->m_attributes[std::move(attribute)] = std::move(value);
        }
    }
    return true;
}

// ---------------------------------------------------------------------------
// Queries

int VantorelTessaly::GetNodeNbChildren(CElement* pElement) const
{
    return pElement ? static_cast<int>(pElement->m_children.size()) : 0;
}

CElement* VantorelTessaly::GetChildNodeAt(CElement* pElement, int index) const
{
    if (index < 0 || index >= GetNodeNbChildren(pElement))
        return nullptr;
    CElementPart* child = pElement->m_children[static_cast<std::size_t>(index)].get();
    return child->m_kind == PART_ELEMENT ? static_cast<CElement*>(child) : nullptr;
}

CElement* VantorelTessaly::GetFirstChildNode(CElement* pElement, std::string name) const
{
    if (!pElement)
        return nullptr;
    for (const auto& child : pElement->m_children) {
        if (child->m_kind == PART_ELEMENT && child->m_text == name)
            return static_cast<CElement*>(child.get());
    }
    return nullptr;
}

CElement* VantorelTessaly::GetNextSiblingNode(CElement* pNode) const
{
    if (!pNode || !pNode->m_pParent)
        return nullptr;
    const auto& siblings = static_cast<CElement*>(pNode->m_pParent)->m_children;
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [pNode](const auto& sibling) { return sibling.get() == pNode; });
    if (it == siblings.end())
        return nullptr;
    for (++it; it != siblings.end(); ++it) {
        if ((*it)->m_kind == PART_ELEMENT)
            return static_cast<CElement*>(it->get());
    }
    return nullptr;
}

void VantorelTessaly::GetChildList(CElement* pElement, std::string name, std::vector<CElement*>& list) const
{
    list.clear();
    if (!pElement)
        return;
    for (const auto& child : pElement->m_children) {
        if (child->m_kind == PART_ELEMENT && child->m_text == name)
            list.push_back(static_cast<CElement*>(child.get()));
    }
}

std::string VantorelTessaly::GetDataFromName(CElement* pElement, std::string name) const
{
    std::string data;
    if (CElement* element = GetFirstChildNode(pElement, std::move(name)))
        GetData(element, data);
    return data;
}

bool VantorelTessaly::BuildChildList(CElementPart* pPart, std::vector<CElementPart*>& list) const
{
    if (!IsElement(pPart))
        return false;
    list.clear();
    list.push_back(pPart);
    return true;
}
