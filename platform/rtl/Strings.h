#pragma once
// TStrings: the abstract list of text lines (each with an object pointer) that string lists,
// memo lines and list-box items share. The base gives every derived list its text forms (Text,
// CommaText, DelimitedText, name=value lines), file and stream I/O and update bracketing; a
// derived list stores the lines.
#include <functional>
#include <string>

class TObject;  // the object model's root; lines only carry pointers to it, never own them
class TStream;
class TStrings;

using TStringsNotifyEvent = std::function<void(TStrings* sender)>;

inline constexpr const char* SListIndexError = "List index out of bounds (%d)";

class TStrings {
public:
    virtual ~TStrings();
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    // ---- storage, supplied by the derived list ----
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s) = 0;
    virtual TObject* GetObject(int index) const = 0;
    virtual void PutObject(int index, TObject* object) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& s) { Put(index, s); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }

    // Appends (a sorted list inserts in order); returns the line's index.
    virtual int AddObject(const std::string& s, TObject* object);
    int Add(const std::string& s) { return AddObject(s, nullptr); }
    void Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }
    void AddStrings(const TStrings& source);
    // Replaces the lines, objects and text settings with those of source.
    virtual void Assign(const TStrings& source);

    // Index of the first line equal to s (as CompareStrings sees it), -1 when none.
    virtual int IndexOf(const std::string& s) const;
    // Index of the first name=value line whose name equals name, -1 when none.
    int IndexOfName(const std::string& name) const;
    // Index of the first line holding object, -1 when none.
    int IndexOfObject(const TObject* object) const;

    // ---- text forms ----
    // Every line followed by CR LF. Setting splits at CR LF, LF or CR; a final line break adds no
    // empty line.
    std::string Text() const;
    void SetText(const std::string& text);
    // The lines separated by commas; a line with blanks, control characters, commas or double
    // quotes is double-quoted. Setting parses the same form (blanks also separate lines).
    std::string CommaText() const;
    void SetCommaText(const std::string& text);
    // The same with Delimiter and QuoteChar; with StrictDelimiter only the delimiter separates
    // lines and blanks need no quotes.
    std::string DelimitedText() const;
    void SetDelimitedText(const std::string& text);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char c) { FDelimiter = c; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char c) { FQuoteChar = c; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool v) { FStrictDelimiter = v; }

    // name=value lines. Names(i) is "" for a line without '='. Setting a value to "" deletes the
    // line; setting one for a missing name appends a line.
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char c) { FNameValueSeparator = c; }
    std::string Names(int index) const;
    std::string Values(const std::string& name) const;
    void SetValues(const std::string& name, const std::string& value);
    std::string ValueFromIndex(int index) const;

    // ---- files and streams: Windows-1252 bytes, lines ended by CR LF ----
    // Loading reads from the stream's position to its end.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    // The text is converted before the file is created, so a line the code page cannot hold
    // (EConvertError) leaves an existing file as it was.
    void SaveToFile(const std::string& fileName) const;

    // ---- change bracketing ----
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Compares two lines the way IndexOf and sorting do: here without regard to case.
    virtual int CompareStrings(const std::string& a, const std::string& b) const;

protected:
    TStrings() = default;
    // Called when the first BeginUpdate opens (true) and the last EndUpdate closes (false).
    virtual void SetUpdateState(bool updating);
    [[noreturn]] static void Error(const char* messageFormat, int index);

private:
    std::string JoinDelimited(char delimiter, char quote, bool strict) const;
    void ParseDelimited(const std::string& text, char delimiter, char quote, bool strict);

    int FUpdateCount = 0;
    char FDelimiter = ',';
    char FQuoteChar = '"';
    char FNameValueSeparator = '=';
    bool FStrictDelimiter = false;
};
