#pragma once
// A holder of one picture of any registered format: controls, brushes and chart backgrounds keep
// their picture in it. The graphic belongs to the picture; setting one stores a copy. Loading a
// file picks the graphic class by the file's extension (GraphicFormats).
#include <cstdint>
#include <memory>
#include <string>

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Graphic.h"

class TBitmap;

class TPicture : public TPersistent {
    KV_DECLARE_CLASS(TPicture, TPersistent)
public:
    TPicture();
    ~TPicture() override;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // A copy of value, of its own class; null frees the graphic.
    void SetGraphic(const TGraphic* value);
    // The graphic as a bitmap. A graphic of another class is replaced by a bitmap of its size
    // with the graphic drawn in it; without a graphic an empty bitmap is made.
    TBitmap* Bitmap();
    void SetBitmap(const TBitmap* value);

    // 0 without a graphic.
    int Width() const;
    int Height() const;

    // A graphic of the class registered for the file's extension, read from the file.
    // EInvalidGraphic "Unknown picture file extension (.ext)" for an extension no format has;
    // any failure leaves the picture as it was.
    void LoadFromFile(const std::string& fileName);
    // The same for a picture that may have no more than maxPixels pixels: one whose headers
    // declare more is refused before it is decoded, one whose format cannot tell it early once
    // read, both with CheckPictureSize's EInvalidGraphic ("The picture is too large: ...").
    void LoadFromFile(const std::string& fileName, int64_t maxPixels);
    // Writes the graphic in the format of the file's extension, converting it when that format
    // is another class; in its own format when the extension is unknown. Nothing without one.
    void SaveToFile(const std::string& fileName);

    // From another picture, a graphic (copied) or null (cleared).
    void Assign(const TPersistent* source) override;

    // After every change of the graphic or of its content.
    TNotifyEvent OnChange;

    // The stream property "Data": the graphic's class name (a length byte and the name), then
    // the graphic in its own format. Written only when there is a graphic.
    void DefineProperties(TFiler& filer) override;

protected:
    // Into a graphic or bitmap: this picture's graphic assigned to it.
    void AssignTo(TPersistent* dest) const override;
    virtual void Changed(TObject* sender);

private:
    // Takes graphic (may be null) in place of the old one and tells OnChange.
    void Replace(std::unique_ptr<TGraphic> graphic);

    std::unique_ptr<TGraphic> FGraphic;
};
