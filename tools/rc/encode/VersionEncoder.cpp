// VERSIONINFO bodies: nested nodes of WORD length, WORD value length, (32-bit: WORD type,)
// key, DWORD padding and value; the root's value is the fixed VS_FIXEDFILEINFO.
#include "encode/StatementEncoders.h"
#include "parse/Literal.h"
#include "resformat/Bytes.h"
#include "resformat/ResWriter.h"

namespace rc {
namespace {

constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
constexpr std::uint32_t kFixedStructVersion = 0x00010000;
constexpr std::uint16_t kFixedSize = 52;

void Align4(std::string& out) { out.append((4 - out.size() % 4) % 4, '\0'); }

bool HasNumber(const VersionNode& node) {
    for (const VersionValuePart& part : node.parts) {
        if (!part.isString) return true;
    }
    return false;
}

class VersionEncoder {
public:
    explicit VersionEncoder(bool win16) : win16_(win16) {}

    std::string Encode(const VersionStmt& stmt) {
        PutU16(out_, 0);
        PutU16(out_, kFixedSize);
        if (!win16_) PutU16(out_, 0);
        PutText(u"VS_VERSION_INFO", stmt.head.where, true);
        Align4(out_);
        PutFixed(stmt);
        for (const VersionNode& node : stmt.blocks) Node(node);
        SetLength(0, stmt.head.where, "VERSIONINFO");
        return std::move(out_);
    }

private:
    void PutFixed(const VersionStmt& stmt) {
        PutU32(out_, kFixedSignature);
        PutU32(out_, kFixedStructVersion);
        for (const auto* parts : {&stmt.fileVersion, &stmt.productVersion}) {
            PutU32(out_, static_cast<std::uint32_t>((*parts)[0]) << 16 | (*parts)[1]);
            PutU32(out_, static_cast<std::uint32_t>((*parts)[2]) << 16 | (*parts)[3]);
        }
        for (std::uint32_t value : {stmt.fileFlagsMask, stmt.fileFlags, stmt.fileOs, stmt.fileType, stmt.fileSubtype}) {
            PutU32(out_, value);
        }
        PutU32(out_, 0);  // file date
        PutU32(out_, 0);
    }

    // The value length counts UTF-16 units where all values are strings, else bytes (rc.exe
    // counts the strings of a mixed value in units too, which breaks it; here they are bytes).
    void Node(const VersionNode& node) {
        Align4(out_);
        const std::size_t start = out_.size();
        PutU16(out_, 0);  // length, set below
        PutU16(out_, 0);  // value length
        const bool numbers = HasNumber(node);
        if (!win16_) PutU16(out_, numbers ? 0 : 1);
        PutText(DecodeLiteral(node.key, NullHandling::CutAtNull), node.key.where, true);
        Align4(out_);
        const std::size_t valueLength = win16_ ? Values16(node) : Values32(node, numbers);
        PatchU16(out_, start + 2, static_cast<std::uint16_t>(valueLength));
        for (const VersionNode& child : node.children) Node(child);
        SetLength(start, node.where, node.isBlock ? "BLOCK" : "VALUE");
    }

    // A string gets its NUL when a comma follows it or it is the last value, unless it is the
    // only value and empty: VALUE "Comments", "" has no value at all.
    std::size_t Values32(const VersionNode& node, bool numbers) {
        std::size_t length = 0;
        for (std::size_t i = 0; i < node.parts.size(); ++i) {
            const VersionValuePart& part = node.parts[i];
            if (!part.isString) {
                if (part.isLong)
                    PutU32(out_, part.number);
                else
                    PutU16(out_, static_cast<std::uint16_t>(part.number));
                length += part.isLong ? 4 : 2;
                continue;
            }
            const std::u16string text = DecodeLiteral(part.string, NullHandling::CutAtNull);
            PutText(text, part.string.where, false);
            length += text.size() * (numbers ? 2 : 1);
            const bool last = i + 1 == node.parts.size();
            if ((!text.empty() || node.parts.size() > 1) && (last || part.trailingComma)) {
                PutU16(out_, 0);
                length += numbers ? 2 : 1;
            }
        }
        return length;
    }

    // The 16-bit format counts bytes; a string ends with NUL unless a string follows it without a comma.
    std::size_t Values16(const VersionNode& node) {
        const std::size_t data = out_.size();
        for (std::size_t i = 0; i < node.parts.size(); ++i) {
            const VersionValuePart& part = node.parts[i];
            if (!part.isString) {
                if (!part.isLong && part.number > 0xFFFF) {
                    throw CompileError(node.where, "number " + std::to_string(part.number) +
                                                       " does not fit in 16 bits (write it with L)");
                }
                if (part.isLong)
                    PutU32(out_, part.number);
                else
                    PutU16(out_, static_cast<std::uint16_t>(part.number));
                continue;
            }
            const bool joined = !part.trailingComma && i + 1 < node.parts.size() && node.parts[i + 1].isString;
            PutText(DecodeLiteral(part.string, NullHandling::CutAtNull), part.string.where, !joined);
        }
        return out_.size() - data;
    }

    void PutText(const std::u16string& text, const Location& where, bool terminate) {
        if (win16_) {
            out_ += NarrowText(text, where, "the VERSIONINFO text");
            if (terminate) PutU8(out_, 0);
            return;
        }
        PutU16s(out_, text);
        if (terminate) PutU16(out_, 0);
    }

    void SetLength(std::size_t start, const Location& where, const char* what) {
        const std::size_t length = out_.size() - start;
        if (length > 0xFFFF)
            throw CompileError(where,
                               std::string(what) + " of " + std::to_string(length) + " bytes; at most 65535 fit");
        PatchU16(out_, start, static_cast<std::uint16_t>(length));
    }

    bool win16_;
    std::string out_;
};

}  // namespace

std::string EncodeVersion32(const VersionStmt& version) { return VersionEncoder(false).Encode(version); }
std::string EncodeVersion16(const VersionStmt& version) { return VersionEncoder(true).Encode(version); }

}  // namespace rc
