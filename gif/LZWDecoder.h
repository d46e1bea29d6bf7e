#pragma once
// Decodes the image data of one frame (minimum code size, LZW codes in data sub-blocks, the
// block terminator) into the frame's pixel buffer, which the caller has allocated and filled
// with the background value. Interlaced frames are stored in their row order. The stream is left
// after the image data whenever the data are well formed.
class TStream;
class TGIFSubImage;

void DecodeImageData(TStream& stream, TGIFSubImage& frame);
