#include "XmlStream.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <cstring>
#include <mutex>
#include <new>
#include <utility>

namespace {

TXmlStream& StreamOf(void* data) { return *static_cast<TXmlStream*>(static_cast<xmlParserCtxtPtr>(data)->_private); }

std::string_view View(const xmlChar* text) { return std::string_view(reinterpret_cast<const char*>(text)); }

} // namespace

std::string_view TXmlAttributes::Name(std::size_t i) const { return stream_.Name(attributes_[5 * i]); }

std::string_view TXmlAttributes::ValueAt(std::size_t i) const
{
    const auto* start = reinterpret_cast<const char*>(attributes_[5 * i + 3]);
    const auto* end = reinterpret_cast<const char*>(attributes_[5 * i + 4]);
    return std::string_view(start, std::size_t(end - start));
}

std::string_view TXmlAttributes::Value(std::string_view localName) const
{
    for (std::size_t i = 0; i < Count(); ++i)
        if (Name(i) == localName)
            return ValueAt(i);
    return {};
}

bool TXmlAttributes::Has(std::string_view localName) const
{
    for (std::size_t i = 0; i < Count(); ++i)
        if (Name(i) == localName)
            return true;
    return false;
}

// libxml2 calls these with its parser context, whose _private is the stream.
// What a handler throws never unwinds through libxml2: it stops the parser and
// is thrown again once the parser has returned.
struct TXmlCallbacks {
    template <class Call>
    static void Guarded(void* data, Call&& call)
    {
        TXmlStream& stream = StreamOf(data);
        try {
            call(stream);
        } catch (...) {
            if (!stream.failure_)
                stream.failure_ = std::current_exception();
            stream.Stop();
        }
    }
    static void Start(void* data, const xmlChar* localName, const xmlChar*, const xmlChar*, int, const xmlChar**,
                      int attributes, int, const xmlChar** values)
    {
        Guarded(data, [&](TXmlStream& stream) {
            stream.handler_.StartElement(stream.Name(localName), TXmlAttributes(stream, values, attributes));
        });
    }
    static void End(void* data, const xmlChar* localName, const xmlChar*, const xmlChar*)
    {
        Guarded(data, [&](TXmlStream& stream) { stream.handler_.EndElement(stream.Name(localName)); });
    }
    static void Text(void* data, const xmlChar* text, int length)
    {
        if (StreamOf(data).wantText_)
            Guarded(data, [&](TXmlStream& stream) {
                stream.handler_.Text(std::string_view(reinterpret_cast<const char*>(text), std::size_t(length)));
            });
    }
    static void Doctype(void* data, const xmlChar*, const xmlChar*, const xmlChar*)
    {
        StreamOf(data).refused_ = true;
        xmlStopParser(static_cast<xmlParserCtxtPtr>(data));
    }
    // Errors are taken from the context when the parse fails, never printed.
    static void Quiet(void*, xmlErrorPtr) {}
};

TXmlStream::TXmlStream(TXmlHandler& handler) : handler_(handler)
{
    // libxml2 sets up its globals once, before parsers run in several threads.
    static std::once_flag initialised;
    std::call_once(initialised, [] { xmlInitParser(); });
    xmlSAXHandler sax;
    std::memset(&sax, 0, sizeof sax);
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = &TXmlCallbacks::Start;
    sax.endElementNs = &TXmlCallbacks::End;
    sax.characters = &TXmlCallbacks::Text;
    sax.internalSubset = &TXmlCallbacks::Doctype;
    sax.serror = &TXmlCallbacks::Quiet;
    parser_ = xmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, nullptr);
    if (!parser_)
        throw std::bad_alloc();
    parser_->_private = this;
    // Nothing from the network, no entity substituted, no external subset loaded.
    xmlCtxtUseOptions(parser_, XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR);
}

TXmlStream::~TXmlStream() { xmlFreeParserCtxt(parser_); }

void TXmlStream::WantText(bool want) { wantText_ = want; }

void TXmlStream::Stop()
{
    if (!stopped_)
        xmlStopParser(parser_);
    stopped_ = true;
}

void TXmlStream::Feed(std::string_view bytes)
{
    // libxml2 takes its pieces' sizes as int.
    constexpr std::size_t kPiece = std::size_t(1) << 30;
    while (!stopped_ && !bytes.empty()) {
        const std::size_t size = std::min(bytes.size(), kPiece);
        Parse(bytes.data(), size, false);
        bytes.remove_prefix(size);
    }
}

void TXmlStream::Finish()
{
    if (!stopped_)
        Parse("", 0, true);
}

std::string_view TXmlStream::Name(const unsigned char* name)
{
    // libxml2 keeps one copy of each name in its dictionary: the few a document
    // uses are measured once, and known again by where they lie.
    for (const auto& [known, length] : names_)
        if (known == name)
            return std::string_view(reinterpret_cast<const char*>(name), length);
    const std::string_view view = View(name);
    if (names_.size() < kNamesKept && parser_->dict && xmlDictOwns(parser_->dict, name) == 1)
        names_.emplace_back(name, view.size());
    return view;
}

void TXmlStream::Parse(const char* bytes, std::size_t size, bool final)
{
    const int status = xmlParseChunk(parser_, bytes, int(size), final ? 1 : 0);
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
    if (status == XML_ERR_OK && parser_->wellFormed)
        return;
    if (refused_)
        throw TXmlError("it declares a document type, which no workbook does");
    if (stopped_)
        return;
    const xmlError* error = xmlCtxtGetLastError(parser_);
    std::string message = error && error->message ? error->message : "it is not well-formed XML";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    throw TXmlError(message + " at line " + std::to_string(error ? error->line : 0));
}
