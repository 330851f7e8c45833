#pragma once
// XML read as it arrives, in pieces, with libxml2's SAX2 push parser: each
// element's local name (the part after a namespace prefix, which is all a
// workbook's parts need to be told apart), its attributes and the text between.
// Workbooks come from outside: a document type declaration, the only way to
// entities that expand or load other files, is refused, nothing is read from
// the network, and libxml2's limits on names, text and depth stand.

#include <cstddef>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct _xmlParserCtxt;
class TXmlStream;

// XML that is not well formed, or that declares a document type.
class TXmlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The attributes of an element as libxml2 gives them: for each, its local name,
// prefix, namespace, and the start and end of its value.
class TXmlAttributes {
public:
    TXmlAttributes(TXmlStream& stream, const unsigned char** attributes, int count)
        : stream_(stream), attributes_(attributes), count_(count)
    {
    }
    // The value of the attribute with this local name; empty when there is none.
    std::string_view Value(std::string_view localName) const;
    bool Has(std::string_view localName) const;
    std::size_t Count() const { return std::size_t(count_); }
    // The local name and the value of the attribute `i`.
    std::string_view Name(std::size_t i) const;
    std::string_view ValueAt(std::size_t i) const;

private:
    TXmlStream& stream_;
    const unsigned char** attributes_;
    int count_;
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
    friend class TXmlAttributes;
    void Parse(const char* bytes, std::size_t size, bool final);
    std::string_view Name(const unsigned char* name);

    _xmlParserCtxt* parser_;
    TXmlHandler& handler_;
    bool stopped_ = false;
    bool refused_ = false; // a document type declaration was met
    bool wantText_ = false;
    std::exception_ptr failure_; // what a handler threw, thrown again after the parser returned
    static constexpr std::size_t kNamesKept = 32;
    std::vector<std::pair<const unsigned char*, std::size_t>> names_; // names met, with their lengths
};

// Whether a name is `expected`, compared byte by byte: cheaper than a call to
// memcmp for the millions of elements a sheet has.
template <std::size_t N>
constexpr bool IsNamed(std::string_view name, const char (&expected)[N])
{
    if (name.size() != N - 1)
        return false;
    for (std::size_t i = 0; i + 1 < N; ++i)
        if (name[i] != expected[i])
            return false;
    return true;
}

// The local name of an element or attribute name: the part after its prefix.
constexpr std::string_view LocalName(std::string_view name)
{
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}
