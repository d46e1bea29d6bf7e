#pragma once
// The item framework of a GIF picture: every piece of the stream (header, frame, extension,
// trailer) is an item that knows its picture, loads and saves itself and reports warnings to the
// picture. Lists own their items: Delete and Clear free them, Extract hands one back.
#include <memory>
#include <string>
#include <vector>

#include "gif/GIFColorMap.h"
#include "gif/GIFTypes.h"
#include "platform/classes/Object.h"

class TStream;
class TGIFImage;
class TGIFSubImage;
class TGIFExtension;

class TGIFItem : public TObject {
public:
    explicit TGIFItem(TGIFImage* image) : FImage(image) {}
    ~TGIFItem() override;

    TGIFImage* Image() const { return FImage; }
    virtual TGIFVersion GetVersion() const { return GIFVersion87a; }
    // Passes (this item, severity, message) to the picture's ReportWarning.
    virtual void Warning(int severity, const std::string& message);

    virtual void SaveToStream(TStream& stream) = 0;
    virtual void LoadFromStream(TStream& stream) = 0;
    // The whole item is built in memory first, so a failed save leaves an existing file as it was.
    void SaveToFile(const std::string& fileName);
    void LoadFromFile(const std::string& fileName);

protected:
    TGIFImage* FImage;
};

// An ordered list of owned items.
class TGIFList {
public:
    explicit TGIFList(TGIFImage* image) : FImage(image) {}
    virtual ~TGIFList();
    TGIFList(const TGIFList&) = delete;
    TGIFList& operator=(const TGIFList&) = delete;

    TGIFImage* Image() const { return FImage; }
    int Count() const { return int(FItems.size()); }
    TGIFItem* Items(int index) const;
    // Takes ownership; returns the index.
    int Add(std::unique_ptr<TGIFItem> item);
    void Insert(int index, std::unique_ptr<TGIFItem> item);
    int IndexOf(const TGIFItem* item) const;
    // Frees the items from the front until the list is empty.
    void Clear();
    // Unlinks and frees the item at index.
    void Delete(int index);
    // Unlinks item without freeing it and hands it to the caller (null when absent).
    std::unique_ptr<TGIFItem> Extract(TGIFItem* item);

    virtual void Warning(int severity, const std::string& message);
    virtual void SaveToStream(TStream& stream);

private:
    TGIFImage* FImage;
    std::vector<std::unique_ptr<TGIFItem>> FItems;
};

// The frames of a picture, in stream order.
class TGIFImageList : public TGIFList {
public:
    using TGIFList::TGIFList;
    TGIFSubImage* SubImages(int index) const;
    // Reads every frame up to the trailer (or an unknown block).
    void LoadFromStream(TStream& stream, TGIFImage* parent);
};

// The extensions of one frame, in stream order.
class TGIFExtensionList : public TGIFList {
public:
    TGIFExtensionList(TGIFSubImage* frame);
    TGIFExtension* Extensions(int index) const;
    // Reads the extensions that precede the frame's image.
    void LoadFromStream(TStream& stream, TGIFSubImage* parent);

private:
    TGIFSubImage* FFrame;
};

// The logical screen descriptor, 7 bytes as stored.
struct TLogicalScreenDescriptor {
    uint16_t ScreenWidth = 0;
    uint16_t ScreenHeight = 0;
    uint8_t PackedFields = 0;
    uint8_t BackgroundColorIndex = 0;
    uint8_t AspectRatio = 0;
};

// Signature, logical screen descriptor and global colour table.
class TGIFHeader : public TGIFItem {
public:
    explicit TGIFHeader(TGIFImage* image);
    ~TGIFHeader() override;

    TLogicalScreenDescriptor& LogicalScreenDescriptor() { return FLogicalScreenDescriptor; }
    const TLogicalScreenDescriptor& LogicalScreenDescriptor() const {
        return FLogicalScreenDescriptor;
    }
    TGIFGlobalColorMap& ColorMap() { return FColorMap; }

    // Empties the global table and zeroes the descriptor.
    void Clear();
    void Assign(const TGIFHeader& source);
    void Assign(const TGIFColorMap& source);

    int Width() const { return FLogicalScreenDescriptor.ScreenWidth; }
    int Height() const { return FLogicalScreenDescriptor.ScreenHeight; }
    uint8_t BackgroundColorIndex() const { return FLogicalScreenDescriptor.BackgroundColorIndex; }
    void SetBackgroundColorIndex(uint8_t value) {
        FLogicalScreenDescriptor.BackgroundColorIndex = value;
    }
    uint8_t AspectRatio() const { return FLogicalScreenDescriptor.AspectRatio; }
    void SetAspectRatio(uint8_t value) { FLogicalScreenDescriptor.AspectRatio = value; }
    // The global table's colour at the background index.
    uint32_t BackgroundColor();
    int BitsPerPixel() const { return FColorMap.BitsPerPixel(); }
    int ColorResolution() const { return BitsPerPixel() - 1; }

    TGIFVersion GetVersion() const override;
    // Recomputes the packed fields from the tables of the picture.
    void Prepare();
    void SaveToStream(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;

private:
    TLogicalScreenDescriptor FLogicalScreenDescriptor;
    TGIFGlobalColorMap FColorMap;
};

class TGIFTrailer : public TGIFItem {
public:
    using TGIFItem::TGIFItem;
    void SaveToStream(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;
};
