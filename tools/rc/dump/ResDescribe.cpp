// Chooses the readable dump for a resource by its type.
#include "dump/ResDescribe.h"

#include "dump/DialogDump.h"
#include "resformat/BodyReader.h"
#include "resformat/ResourceTypes.h"

namespace rc {

std::string DescribeResource(const ResEntry& entry, bool win16) {
    if (!entry.type.isNumber) return {};
    try {
        switch (entry.type.number) {
            case kDialogType: return DescribeDialog(entry.data, win16);
            case RtMenu: return DescribeMenu(entry.data, win16);
            case RtAccelerators: return DescribeAccelerators(entry.data, win16);
            case RtVersion: return DescribeVersion(entry.data, win16);
            case RtString:
                return entry.name.isNumber ? DescribeStrings(entry.data, entry.name.number, win16) : std::string();
            default: return {};
        }
    } catch (const MalformedBody& error) {
        return std::string("  (cannot be read: ") + error.what() + ")\n";
    } catch (const byteformat::OutOfBounds& error) {  // a body that ends early
        return std::string("  (cannot be read: ") + error.what() + ")\n";
    }
}

}  // namespace rc
