#pragma once
// A pull reader over a whole XML text, one token at a time: the start and end of elements (by
// local name, without namespace prefix), with their attributes, and the text between them.
// Malformed XML ends the tokens with Error and says why in ErrorText.
#include <memory>
#include <string>
#include <string_view>

enum TXmlToken { xtStartElement, xtEndElement, xtText, xtEnd, xtError };

class TXmlReader {
public:
    explicit TXmlReader(std::string_view xml);
    ~TXmlReader();
    TXmlReader(const TXmlReader&) = delete;
    TXmlReader& operator=(const TXmlReader&) = delete;

    // The next start, end or text token (comments and declarations are passed over).
    TXmlToken Next();
    // The current element's local name.
    std::string Name() const;
    // An attribute of the current start element by its local name; empty when it has none.
    std::string Attribute(std::string_view localName) const;
    // The current text token.
    std::string Text() const;
    std::string ErrorText() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
