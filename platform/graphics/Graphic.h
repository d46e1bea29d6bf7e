#pragma once
// The base of every picture format (bitmap, JPEG, metafile...): a size, an empty state, a
// transparency flag, reading and writing a stream, and drawing itself into a canvas rectangle.
#include <optional>
#include <string>

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Geometry.h"

class TCanvas;
class TStream;

// A picture that cannot be read, and an operation a picture cannot do.
KV_EXCEPTION_CLASS(EInvalidGraphic, Exception)
KV_EXCEPTION_CLASS(EInvalidGraphicOperation, Exception)

class TGraphic : public TPersistent {
    KV_DECLARE_CLASS(TGraphic, TPersistent)
public:
    TGraphic();
    ~TGraphic() override;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual int Height() const = 0;
    virtual void SetHeight(int value) = 0;
    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value);

    virtual void LoadFromStream(TStream& stream) = 0;
    // The size the picture at the stream's position declares in its headers, read without
    // decoding the picture, so that a picture too large for its use is refused before it takes
    // the memory; the stream is left where it was. Null when the format cannot tell it before
    // reading the picture, or the headers are not readable (loading then says why).
    virtual std::optional<TSize> DeclaredSize(TStream& stream);
    virtual void SaveToStream(TStream& stream) = 0;
    // The picture as a component stream keeps it (a picture holder's "Data"): its stream form,
    // unless a format first prepares itself for keeping.
    virtual void WriteData(TStream& stream) { SaveToStream(stream); }
    // Through a file stream: EFOpenError / EFCreateError when the file cannot be used.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);
    // Published on its own (a button's glyph), a picture is stored as its format's bytes,
    // "Data"; an empty one is not stored.
    void DefineProperties(TFiler& filer) override;

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    // Draws the whole picture into rect of canvas, stretched to it; TCanvas::Draw and
    // StretchDraw come here.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
    // Marks the picture modified and tells OnChange.
    virtual void Changed();

private:
    bool FTransparent = false;
    bool FModified = false;
};
