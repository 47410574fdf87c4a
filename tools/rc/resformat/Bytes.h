// The compiler's names for the bounds-checked little-endian reads and writes of byteformat:
// ReadU16/ReadU32 at an offset, PutU8/PutU16/PutU32 appended, PatchU16/PatchU32 over written bytes.
#pragma once

#include "byteformat/ByteReader.h"
#include "byteformat/ByteWriter.h"

namespace rc {

using byteformat::PatchU16;
using byteformat::PatchU32;
using byteformat::PutU16;
using byteformat::PutU16s;
using byteformat::PutU32;
using byteformat::PutU8;
using byteformat::ReadU16;
using byteformat::ReadU32;

}  // namespace rc
