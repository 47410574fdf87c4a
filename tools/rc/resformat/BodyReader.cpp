// The texts of resource bodies, read in either format.
#include "resformat/BodyReader.h"

#include "resformat/TextCodec.h"

namespace rc {

std::u16string BodyReader::Text() {
    std::u16string text;
    while (true) {
        const char16_t unit = win16_ ? Cp1252ToUnicode(U8()) : U16();
        if (unit == 0) return text;
        text += unit;
    }
}

}  // namespace rc
