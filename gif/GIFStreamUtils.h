#pragma once
// Small stream routines every reader and writer of the codec uses.
#include <cstdint>

class TStream;
class TStringList;

// Reads exactly count bytes or raises GIFException "Premature end of data".
void ReadCheck(TStream& stream, void* buffer, int64_t count);
// Reads one byte; false at the end of the stream.
bool ReadByte(TStream& stream, uint8_t& value);
void WriteByte(TStream& stream, uint8_t value);
void WriteWord(TStream& stream, uint16_t value);
uint16_t GetWord(const uint8_t* p);
void PutWord(uint8_t* p, uint16_t value);

// Lines as data sub-blocks: each line cut into chunks of at most 255 bytes (an empty line writes
// nothing), then one zero byte.
void WriteSubBlockStrings(TStream& stream, const TStringList& lines);
// Clears lines and reads sub-blocks until a zero length or the end of the stream; every sub-block
// becomes one line, cut at an embedded zero byte.
void ReadSubBlockStrings(TStream& stream, TStringList& lines);
