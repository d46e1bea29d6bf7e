#pragma once
// The text form of the component stream, and conversions between it and the binary form:
//
//     object Shape1: TShape
//       Caption = 'Hello'#13#10'world'
//       Pen.Color = clRed
//       Options = [soShadow, soRound]
//       Items = <
//         item
//           Value = 1.5
//         end>
//       Data = {
//         0102A0FF}
//       object Child: TShape
//       end
//     end
//
// Lines end with CR LF; nesting indents by two spaces. Text outside printable ASCII is written
// as #n (the character's code). Floats are written in the shortest form that reads back to the
// same value, infinities and NaN as INF, -INF and NAN, so binary -> text -> binary gives the same
// bytes; what the text cannot hold (a name that is not an identifier, a NaN with a payload, a
// string that is not UTF-8) is refused, and text the binary form cannot hold or give back too
// (Null inside a list, a class name of 240 characters or more without flags, a property named
// object, inherited or inline).
#include "platform/rtl/Streams.h"

// Both read from the input's position to the end of one component and write at the output's
// position. Faults: EReadError (binary, with the stream position as its ByteOffset),
// EParserError "... on line n" (text).
void ObjectBinaryToText(TStream& input, TStream& output);
void ObjectTextToBinary(TStream& input, TStream& output);
