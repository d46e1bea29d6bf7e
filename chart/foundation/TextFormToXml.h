#pragma once
// The text form of the component stream rewritten as indented XML, in place: component blocks
// become elements named after their class (with the component's name as the Name attribute),
// properties empty elements with a value attribute, dotted property paths nested elements, and
// string lists, binary blocks and collections elements holding their items.
#include <string>

#include "platform/rtl/StringList.h"

class TStream;

// A string list used as a stack: Push appends and answers the new index, Pop removes and answers
// the last string, or "" when the stack is empty.
class TStringsStack : public TStringList {
public:
    int Push(const std::string& s) { return Add(s); }
    std::string Pop();
};

// The text with &, <, > and " written as entities, fit for an XML attribute value.
std::string XmlEscaped(const std::string& value);

// "shift_jis" for a Japanese user, else "ISO-8859-1".
std::string XmlEncodingName();

// Reads the whole stream from its start as text form and writes the XML over it from its start,
// led by the XML declaration when withHeader is set. The stream ends where the XML ends. Malformed
// input gives unbalanced XML rather than an error.
void TextFormToXml(TStream& stream, bool withHeader);
