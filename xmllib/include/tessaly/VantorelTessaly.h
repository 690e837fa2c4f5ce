// Tessaly: a small XML document library. One document class, VantorelTessaly,
// builds a tree of nodes, writes it to a file, reads a file back into a tree
// and answers name-based queries. Texts are byte strings (Windows-1252 in
// practice); nothing is decoded or escaped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Export macro. The library is built with TESSALY_BUILDING defined; programs
// that link the shared library define nothing. Define TESSALY_STATIC when the
// sources are compiled straight into another target.
#if defined(_WIN32) || defined(__CYGWIN__)
#  if defined(TESSALY_STATIC)
#    define TESSALY_API
#  elif defined(TESSALY_BUILDING)
#    define TESSALY_API __declspec(dllexport)
#  else
#    define TESSALY_API __declspec(dllimport)
#  endif
#elif defined(__GNUC__)
#  define TESSALY_API __attribute__((visibility("default")))
#else
#  define TESSALY_API
#endif

#if defined(_MSC_VER)
// Standard-library members of an exported class are fine when both sides use
// the same runtime, which texts passed by value require anyway.
#  pragma warning(push)
#  pragma warning(disable : 4251)
#endif

class TESSALY_API VantorelTessaly
{
public:
    // Attribute map and symbol table: key to value, iterated in key order.
    using CMapStringToString = std::map<std::string, std::string>;

    static constexpr std::int32_t PART_ELEMENT = 0;
    static constexpr std::int32_t PART_TEXT = 1;
    static constexpr std::int32_t PART_COMMENT = 2;

    // -----------------------------------------------------------------------
    // Nodes. Only the document creates and destroys them; the pointers handed
    // out are borrowed and stay valid until the node is destroyed with its
    // document, by RemoveAll or by Read.

    // One node: a text, a comment, or the part every element is built on.
    class TESSALY_API CElementPart
    {
    public:
        CElementPart(const CElementPart&) = delete;
        CElementPart& operator=(const CElementPart&) = delete;
        virtual ~CElementPart();

        // The element whose children hold this node; null for a top element.
        CElementPart* Parent() const;
        // An element's name, a text node's text, a comment's text.
        const std::string& Text() const;
        // PART_ELEMENT, PART_TEXT or PART_COMMENT.
        std::int32_t Kind() const;

    protected:
        CElementPart(std::int32_t kind, std::string text);

    private:
        friend class VantorelTessaly;
        CElementPart* m_pParent = nullptr;
        std::string m_text;
        std::int32_t m_kind;
    };

    // An element: a part with children (document order) and attributes.
    class TESSALY_API CElement : public CElementPart
    {
    public:
        ~CElement() override;

        std::size_t ChildCount() const;
        // The child at a zero-based index among all children; null past the end.
        CElementPart* Child(std::size_t index) const;
        const CMapStringToString& Attributes() const;

    private:
        friend class VantorelTessaly;
        explicit CElement(std::string name);

        // Each child lives on the heap, so its address never changes.
        std::vector<std::unique_ptr<CElementPart>> m_children;
        CMapStringToString m_attributes;
    };

    // -----------------------------------------------------------------------
    // The document.

    VantorelTessaly();
    VantorelTessaly(const VantorelTessaly&) = delete;
    VantorelTessaly& operator=(const VantorelTessaly&) = delete;
    virtual ~VantorelTessaly();

    // Empties symbols and open tags and replaces the tree by an empty "?root?".
    void RemoveAll();

    // Settings used by Write and Read.
    void SetFile(std::string file);
    std::string GetFile() const;
    void SetXMLVersion(std::string version);
    void SetXSLEncoding(std::string encoding);
    void SetXSLLink(std::string link);

    // Symbol table (key to replacement) and open tags (elements written
    // without a closing tag when they have no children).
    void AddSymbol(std::string key, std::string value);
    void ClearSymbols();
    void DefaultSymbols();
    void AddOpenTag(std::string name);
    // Replace keys by their replacements ("<" -> "&lt;"), or the reverse.
    // Neither Write nor Read applies them.
    void Decodify(std::string& text) const;
    void Codify(std::string& text) const;

    // Root element; made anew (named "?root?") when the document has none.
    CElementPart* Root();
    void CreateRoot(std::string name);

    // Building. Each returns null, changing nothing, when the parent is null
    // or not an element; the new node becomes the parent's last child.
    CElementPart* AddElement(CElementPart* pParent);
    CElement* AddElement(CElementPart* pParent, std::string name);
    // Name and value trimmed; an empty value, "" or " " (quotes included)
    // is stored as "-".
    CElement* AddElement(CElementPart* pParent, std::string name, std::string value);
    CElement* AddElement(CElementPart* pParent, std::string name, int value);
    CElement* AddElement(CElementPart* pParent, std::string name, float value);
    CElement* AddElement(CElementPart* pParent, std::string name, double value);
    CElementPart* AddText(CElementPart* pParent, std::string text);
    CElementPart* AddComment(CElementPart* pParent, std::string text);

    // Nodes.
    void SetText(CElementPart* pPart, std::string text);
    void GetText(CElementPart* pPart, std::string& text) const;
    void SetData(CElement* pElement, std::string data);
    void GetData(CElement* pElement, std::string& data) const;
    bool HasChildren(CElement* pElement) const;
    bool IsElement(CElementPart* pPart) const;
    bool IsText(CElementPart* pPart) const;
    bool IsComment(CElementPart* pPart) const;
    CMapStringToString* GetElementAttrMap(CElementPart* pPart);

    // File. Both return false after recording a message.
    bool Write();
    bool Read();
    // Errors and warnings of the last Write or Read, in order.
    const std::vector<std::string>& GetMessages() const;

    // Queries. A null element counts as one without children.
    int GetNodeNbChildren(CElement* pElement) const;
    CElement* GetChildNodeAt(CElement* pElement, int index) const;
    CElement* GetFirstChildNode(CElement* pElement, std::string name) const;
    CElement* GetNextSiblingNode(CElement* pNode) const;
    void GetChildList(CElement* pElement, std::string name, std::vector<CElement*>& list) const;
    std::string GetDataFromName(CElement* pElement, std::string name) const;
    bool BuildChildList(CElementPart* pPart, std::vector<CElementPart*>& list) const;

private:
    struct Output;
    CElement* NewTopElement();
    static CElement* AppendElement(CElement* pParent, std::string name);
    static CElementPart* AppendLeaf(CElement* pParent, std::int32_t kind, std::string text);
    void WritePart(Output& out, CElementPart* pPart, int indent, bool inlineText) const;

    std::vector<std::string> m_messages;
    // The element Root() gives. Read also uses it as its cursor, so after an
    // unfinished parse it is the innermost element left open.
    CElementPart* m_pRoot = nullptr;
    CMapStringToString m_symbols;
    std::string m_file;
    std::set<std::string> m_openTags;
    std::string m_xslLink;
    std::string m_xslEncoding;
    std::string m_xmlVersion;
    // Owns every tree: m_pRoot may sit deep inside one, and a new root made
    // when m_pRoot is null must not orphan the nodes of the old one.
    std::vector<std::unique_ptr<CElement>> m_trees;
};

#if defined(_MSC_VER)
#  pragma warning(pop)
#endif
