// Writes resources in the 32-bit (Win32) or the 16-bit (Windows 3.x) .res format.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "resformat/Diagnostic.h"
#include "resformat/ResourceId.h"
#include "resformat/SourceFile.h"

namespace rc {

struct ResourceHeader {
    ResourceId type;
    ResourceId name;
    std::uint16_t flags = 0;
    std::uint16_t language = 0;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;
};

// The 16 strings of a string-table block; an absent one is written as empty.
struct StringBundle {
    std::array<std::optional<std::u16string>, 16> strings;
    std::array<Location, 16> where;
};

// The text in code page 1252, the 8-bit code page of 16-bit files; throws CompileError at `where`
// naming `what` for a character that code page cannot hold.
std::string Cp1252Bytes(const std::u16string& text, const Location& where, const char* what);
// The same for a view of the text.
std::string NarrowText(std::u16string_view text, const Location& where, const char* what);

class ResWriter {
public:
    explicit ResWriter(std::FILE* out) : out_(out) {}
    virtual ~ResWriter() = default;
    virtual void Begin() {}
    // The body is given in up to two parts, so a file's bytes need not be copied behind a prefix.
    void Write(const ResourceHeader& header, std::string_view prefix, std::string_view body);
    // The body is the file from `offset` on, copied without passing through memory where it can.
    void WriteFile(const ResourceHeader& header, std::string_view prefix, const SourceFile& file, std::uint64_t offset);
    // The body of a string-table block in this format; throws CompileError for a string it cannot hold.
    virtual std::string EncodeStrings(const StringBundle& bundle) const = 0;
    // Checks that a name or type can be written; throws CompileError otherwise.
    virtual void CheckId(const ResourceId&, const Location&) const {}

protected:
    virtual void Head(const ResourceHeader& header, std::uint64_t size) = 0;
    virtual void Tail(std::uint64_t) {}
    void Put(std::string_view bytes);

private:
    void Copy(const SourceFile& file, std::uint64_t offset);

    std::FILE* out_;
};

class Res32Writer : public ResWriter {
public:
    using ResWriter::ResWriter;
    void Begin() override;
    std::string EncodeStrings(const StringBundle& bundle) const override;

protected:
    void Head(const ResourceHeader& header, std::uint64_t size) override;
    void Tail(std::uint64_t size) override;
};

class Res16Writer : public ResWriter {
public:
    using ResWriter::ResWriter;
    std::string EncodeStrings(const StringBundle& bundle) const override;
    void CheckId(const ResourceId& id, const Location& where) const override;

protected:
    void Head(const ResourceHeader& header, std::uint64_t size) override;
};

}  // namespace rc
