#pragma once
// XML read as it arrives, in pieces, with expat: each element's local name (the
// part after a namespace prefix, which is all a workbook's parts need to be told
// apart), its attributes and the text between. Workbooks come from outside: a
// document type declaration, the only way to entities that expand or load other
// files, is refused.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

struct XML_ParserStruct;

// XML that is not well formed, or that declares a document type.
class TXmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The attributes of an element as expat gives them: name, value, name, value, ..., null.
class TXmlAttributes {
public:
    explicit TXmlAttributes(const char** pairs) : pairs_(pairs) {}
    // The value of the attribute with this local name; empty when there is none.
    std::string_view Value(std::string_view localName) const;
    bool Has(std::string_view localName) const;

private:
    const char* Find(std::string_view localName) const;
    const char** pairs_;
};

class TXmlHandler {
public:
    virtual ~TXmlHandler() = default;
    virtual void StartElement(std::string_view name, const TXmlAttributes& attributes) = 0;
    virtual void EndElement(std::string_view name) = 0;
    // Text between tags, in one or more pieces; only wanted where asked for.
    virtual void Text(std::string_view text) = 0;
};

class TXmlStream {
public:
    explicit TXmlStream(TXmlHandler& handler);
    ~TXmlStream();
    TXmlStream(const TXmlStream&) = delete;
    TXmlStream& operator=(const TXmlStream&) = delete;

    // The next piece of the document. Throws TXmlError.
    void Feed(std::string_view bytes);
    // The end of the document. Throws TXmlError when it is incomplete.
    void Finish();
    // Called from a handler: the rest of the document is not wanted.
    void Stop();
    bool Stopped() const { return stopped_; }
    // Text is passed to the handler only while wanted (most of a sheet is tags).
    void WantText(bool want);

private:
    friend struct TXmlCallbacks;
    void Parse(const char* bytes, std::size_t size, bool final);

    XML_ParserStruct* parser_;
    TXmlHandler& handler_;
    bool stopped_ = false;
    bool refused_ = false; // a document type declaration was met
};

// The local name of an element or attribute name: the part after its prefix.
constexpr std::string_view LocalName(std::string_view name)
{
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}
