#include "XmlStream.h"

#include <expat.h>

#include <climits>
#include <cstring>

namespace {

TXmlStream& StreamOf(void* data) { return *static_cast<TXmlStream*>(data); }

} // namespace

const char* TXmlAttributes::Find(std::string_view localName) const
{
    for (const char** pair = pairs_; pair && *pair; pair += 2)
        if (LocalName(pair[0]) == localName)
            return pair[1];
    return nullptr;
}

std::string_view TXmlAttributes::Value(std::string_view localName) const
{
    const char* value = Find(localName);
    return value ? std::string_view(value) : std::string_view();
}

bool TXmlAttributes::Has(std::string_view localName) const { return Find(localName) != nullptr; }

// expat calls these with the stream as its user data.
struct TXmlCallbacks {
    static void Start(void* data, const XML_Char* name, const XML_Char** attributes)
    {
        StreamOf(data).handler_.StartElement(LocalName(name), TXmlAttributes(attributes));
    }
    static void End(void* data, const XML_Char* name) { StreamOf(data).handler_.EndElement(LocalName(name)); }
    static void Text(void* data, const XML_Char* text, int length)
    {
        StreamOf(data).handler_.Text(std::string_view(text, std::size_t(length)));
    }
    static void Doctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int)
    {
        TXmlStream& stream = StreamOf(data);
        stream.refused_ = true;
        XML_StopParser(stream.parser_, XML_FALSE);
    }
};

TXmlStream::TXmlStream(TXmlHandler& handler) : parser_(XML_ParserCreate("UTF-8")), handler_(handler)
{
    if (!parser_)
        throw std::bad_alloc();
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, &TXmlCallbacks::Start, &TXmlCallbacks::End);
    XML_SetStartDoctypeDeclHandler(parser_, &TXmlCallbacks::Doctype);
    // No entity from outside the document is ever read.
    XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
}

TXmlStream::~TXmlStream() { XML_ParserFree(parser_); }

void TXmlStream::WantText(bool want) { XML_SetCharacterDataHandler(parser_, want ? &TXmlCallbacks::Text : nullptr); }

void TXmlStream::Stop()
{
    if (!stopped_)
        XML_StopParser(parser_, XML_FALSE);
    stopped_ = true;
}

void TXmlStream::Feed(std::string_view bytes)
{
    // expat takes its pieces' sizes as int.
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

void TXmlStream::Parse(const char* bytes, std::size_t size, bool final)
{
    if (XML_Parse(parser_, bytes, int(size), final ? XML_TRUE : XML_FALSE) != XML_STATUS_ERROR)
        return;
    if (refused_)
        throw TXmlError("it declares a document type, which no workbook does");
    if (XML_GetErrorCode(parser_) == XML_ERROR_ABORTED && stopped_)
        return;
    throw TXmlError(std::string(XML_ErrorString(XML_GetErrorCode(parser_))) + " at line " +
                    std::to_string(XML_GetCurrentLineNumber(parser_)));
}
