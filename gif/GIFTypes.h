#pragma once
// Shared vocabulary of the GIF codec: its exception, the byte values of the stream format, the
// version levels, the codec's message texts and the warning and progress events.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/graphics/Graphic.h"
#include "platform/rtl/Exceptions.h"

class TObject;

// Every fault of the format is raised as a GIFException, one of the picture system's
// invalid-graphic family. A fault met while reading a picture carries the byte offset, counted
// from the start of the picture, where reading stopped; its message then ends in
// " at offset N", as the other file readers' messages do.
class GIFException : public EInvalidGraphic {
public:
    using EInvalidGraphic::EInvalidGraphic;
    // -1 when the fault was not met while reading.
    int64_t Offset() const { return FOffset; }
    // Stores offset and names it at the end of the message; the first offset stays.
    void SetOffset(int64_t offset) {
        if (FOffset >= 0) return;
        FOffset = offset;
        SetMessage(Message() + " at offset " + std::to_string(offset));
    }

private:
    int64_t FOffset = -1;
};

enum TGIFVersion : uint8_t { GIFVersionUnknown = 0, GIFVersion87a = 1, GIFVersion89a = 2 };

// Block introducers of the stream.
inline constexpr uint8_t bsExtensionIntroducer = 0x21;
inline constexpr uint8_t bsImageSeparator = 0x2C;
inline constexpr uint8_t bsTrailer = 0x3B;

// The codec reports every recoverable irregularity with this severity.
inline constexpr int GIFWarningSeverity = 1;

// Stages of a long operation, as the picture system reports them.
enum TGIFProgressStage { gpsStarting, gpsRunning, gpsEnding };

// (sender item or picture, severity, message)
using TGIFWarning = std::function<void(TObject* sender, int severity, const std::string& message)>;
// (sender, stage, percent done, redraw, message)
using TGIFProgressEvent = std::function<void(TObject* sender, TGIFProgressStage stage, int percent,
                                             bool redraw, const std::string& message)>;

// Messages of the codec, byte for byte.
inline constexpr const char* sOutOfData = "Premature end of data";
inline constexpr const char* sBadSignature = "Invalid GIF signature";
inline constexpr const char* sBadScreenColors =
    "Invalid number of colors specified in Screen Descriptor";
inline constexpr const char* sBadImageColors =
    "Invalid number of colors specified in Image Descriptor";
inline constexpr const char* sUnknownBlock = "Unknown GIF block type";
inline constexpr const char* sBadExtensionIntroducer = "Invalid extension introducer";
inline constexpr const char* sImageExceedsScreen = "Image exceeds Logical Screen size";
inline constexpr const char* sBadTrailer = "Invalid Image trailer";
inline constexpr const char* sUnsupportedVersion = "Unsupported GIF version";
inline constexpr const char* sCircularTable = "Circular decoder table entry";
inline constexpr const char* sBitBufferUnderrun = "Decoder bit buffer under-run";
inline constexpr const char* sColorTableOverflow = "Color table overflow";
inline constexpr const char* sBadColorIndex = "Invalid color index";
inline constexpr const char* sEmptyColorTable = "Color table is empty";
inline constexpr const char* sUnknownExtension = "Unknown extension type";
inline constexpr const char* sExtensionMismatch =
    "Internal error: Extension Instance does not match Extension Label";
inline constexpr const char* sBadAppBlockSize = "Unsupported Application Extension block size";
inline constexpr const char* sBadData = "Invalid GIF data";
inline constexpr const char* sImageWidthTooSmall = "Image width too small for contained frames";
inline constexpr const char* sImageHeightTooSmall = "Image height too small for contained frames";
inline constexpr const char* sBadPixelCoordinates = "Invalid pixel coordinates";
inline constexpr const char* sImageEmpty = "Image is empty";
inline constexpr const char* sColorNotInTable = "Color not in color table";
inline constexpr const char* sUnsupportedObject = "Object type not supported for operation";
// A frame whose descriptor asks for more pixels than the codec will hold.
inline constexpr const char* sBadImageDimensions = "Invalid image dimensions";
// A file that asks for more memory than the limits of GIFLimits.h allow.
inline constexpr const char* sPictureTooLarge = "GIF picture too large";

inline constexpr const char* sProgressLoading = "Loading...";
inline constexpr const char* sProgressSaving = "Saving...";
inline constexpr const char* sProgressCopying = "Copying...";
inline constexpr const char* sProgressRendering = "Rendering...";
inline constexpr const char* sProgressOptimizing = "Optimizing...";
inline constexpr const char* sInvalidReduction = "Invalid reduction method";
inline constexpr const char* sProgressConverting = "Converting...";
inline constexpr const char* sNoColorTable = "No global or local color table defined";
inline constexpr const char* sUnsupportedClipboardFormat = "Unsupported clipboard format";
inline constexpr const char* sFailedClipboard = "Failed to store GIF on clipboard";
// The name of the clipboard format of GIF files.
inline constexpr const char* sGIFClipboardFormat = "GIF Image";
