#include "chart/foundation/TextFormToXml.h"

#include <algorithm>

#include "chart/foundation/DefaultChartFont.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"

std::string TStringsStack::Pop() {
    if (Count() == 0) return {};
    std::string last = Strings(Count() - 1);
    Delete(Count() - 1);
    return last;
}

std::string XmlEncodingName() { return UserLanguageIsJapanese() ? "shift_jis" : "ISO-8859-1"; }

// Attribute values are escaped: a title "R&D" or a quoted format string would otherwise leave
// the document unreadable.
std::string XmlEscaped(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

namespace {

std::string ValueAttribute(const std::string& value) {
    return "value=\"" + XmlEscaped(value) + "\"";
}

class TXmlConverter {
public:
    explicit TXmlConverter(const TStringList& input) : FInput(input) {}

    void Run(TStringList& output) {
        FOutput = &output;
        const int count = FInput.Count();
        for (int j = 0; j < count;) {
            std::string line = Trim(FInput[j]);
            if (line.empty()) {
                ++j;
                continue;
            }
            if (UpperCase(line.substr(0, 6)) == "OBJECT") {
                // A child component closes the dotted paths of its parent's last lines, so
                // the child is not nested inside them.
                ClosePathsFrom(0);
                j = ObjectStep(line, j);
                continue;
            }
            if (line.find('.') != std::string::npos)
                line = PathStep(line);
            else
                ClosePathsFrom(0);
            const size_t eq = line.find('=');
            if (eq != std::string::npos) {
                j = PropertyStep(line, eq, j);
                continue;
            }
            if (UpperCase(line) == "END") {
                ClosePathsFrom(0);
                Shrink();
                Emit("</" + FObjects.Pop() + ">");
            }
            ++j;
        }
        // A text that stops inside a dotted path still gives closed path elements.
        ClosePathsFrom(0);
    }

private:
    void Emit(const std::string& tag) { FOutput->Add(std::string(size_t(FIndent), ' ') + tag); }
    void Shrink() { FIndent = std::max(0, FIndent - 2); }
    std::string InputLine(int j) const { return Trim(FInput[j]); }

    int ObjectStep(const std::string& line, int j) {
        std::string tag;
        std::string pushed;
        const size_t colon = line.find(':');
        if (colon == std::string::npos) {
            tag = Trim(line.substr(6));
            pushed = tag;
        } else {
            pushed = Trim(line.substr(colon + 1));
            tag = pushed + " Name=\"" + XmlEscaped(Trim(line.substr(6, colon - 6))) + "\"";
        }
        if (j + 1 < FInput.Count() && UpperCase(InputLine(j + 1)) == "END") {
            Emit("<" + tag + "/>");
            return j + 2;
        }
        Emit("<" + tag + ">");
        FObjects.Push(pushed);
        FIndent += 2;
        return j + 1;
    }

    // Opens the elements of the line's dotted path that are not open yet, closes the deeper ones
    // and answers the rest of the line after the last cut.
    std::string PathStep(const std::string& line) {
        const size_t eq = line.find('=');
        const size_t limit = eq == std::string::npos ? line.size() : eq;
        size_t start = 0;
        int k = 0;
        for (size_t dot = line.find('.'); dot < limit; dot = line.find('.', start)) {
            const std::string piece = line.substr(start, dot - start);
            if (!(k < FPaths.Count() && FPaths[k] == piece)) {
                ClosePathsFrom(k);
                FPaths.Push(piece);
                Emit("<" + piece + ">");
                FIndent += 2;
            }
            ++k;
            start = dot + 1;
        }
        ClosePathsFrom(k);
        return line.substr(start);
    }

    void ClosePathsFrom(int k) {
        while (FPaths.Count() > k) {
            Shrink();
            Emit("</" + FPaths.Pop() + ">");
        }
    }

    int PropertyStep(const std::string& line, size_t eq, int j) {
        const std::string name = line.substr(0, eq);
        const std::string value = Trim(line.substr(eq + 1));
        if (value == "(" || value == "{") {
            OpenProperty(name);
            j = ListStep(j + 1);
            ClosePathsFrom(FPaths.Count() - 1);
            return j;
        }
        std::string rest = eq + 2 <= line.size() ? line.substr(eq + 2) : std::string();
        if (Trim(rest) == "<") {
            OpenProperty(name);
            j = CollectionStep(j + 1);
            ClosePathsFrom(FPaths.Count() - 1);
            return j;
        }
        if (rest == "<>") rest.clear();
        Emit("<" + TrimRight(name) + " " + ValueAttribute(rest) + "/>");
        return j + 1;
    }

    void OpenProperty(const std::string& name) {
        const std::string trimmed = Trim(name);
        Emit("<" + trimmed + ">");
        FPaths.Push(trimmed);
    }

    // Items of a string list or binary block up to the one that ends in ')' or '}'.
    int ListStep(int j) {
        FIndent += 2;
        for (; j < FInput.Count(); ++j) {
            std::string item = InputLine(j);
            const bool last = !item.empty() && (item.back() == ')' || item.back() == '}');
            if (last) item.pop_back();
            Emit("<String " + ValueAttribute(item) + "/>");
            if (last) return j + 1;
        }
        return j;
    }

    // Items of a collection up to the line "end>".
    int CollectionStep(int j) {
        FIndent += 2;
        TStringsStack items;
        for (; j < FInput.Count(); ++j) {
            const std::string line = InputLine(j);
            const std::string upper = UpperCase(line);
            const size_t eq = line.find('=');
            if (upper == "END" || upper == "END>") {
                Shrink();
                Emit("</" + items.Pop() + ">");
                if (upper == "END>") return j + 1;
            } else if (eq != std::string::npos) {
                Emit("<" + Trim(line.substr(0, eq)) + " " +
                     ValueAttribute(Trim(line.substr(eq + 1))) + "/>");
            } else {
                Emit("<" + line + ">");
                items.Push(line);
                FIndent += 2;
            }
        }
        return j;
    }

    const TStringList& FInput;
    TStringList* FOutput = nullptr;
    TStringsStack FObjects;
    TStringsStack FPaths;
    int FIndent = 0;
};

}  // namespace

void TextFormToXml(TStream& stream, bool withHeader) {
    TStringList input;
    stream.SetPosition(0);
    input.LoadFromStream(stream);
    TStringList output;
    if (withHeader) output.Add("<?xml version=\"1.0\" encoding=\"" + XmlEncodingName() + "\"?>");
    TXmlConverter(input).Run(output);
    stream.SetPosition(0);
    output.SaveToStream(stream);
    // The XML is often shorter than the text: what is left of the text would spoil the document.
    stream.SetSize(stream.Position());
}
