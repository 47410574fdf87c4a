// The compiler: statements in, resources out, string tables and the font directory at the end.
#include "driver/StatementCompiler.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "driver/ResourceFiles.h"
#include "encode/BitmapFile.h"
#include "encode/DialogEncoder.h"
#include "encode/FontDirectory.h"
#include "encode/IconFile.h"
#include "encode/StatementEncoders.h"
#include "encode/StringTables.h"
#include "parse/Literal.h"
#include "parse/MemoryOptions.h"
#include "parse/Parser.h"
#include "resformat/Bytes.h"
#include "resformat/ResWriter.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

// An .ani file whose header says it animates an icon or a cursor (flag AF_ICON), as rc.exe tells
// one: the statement ICON or CURSOR then writes it whole as an ANIICON or ANICURSOR.
bool IsAnimated(const SourceFile& file) {
    const std::string head = file.ReadAt(0, 12);
    if (head.size() < 12 || head.substr(0, 4) != "RIFF" || head.substr(8, 4) != "ACON") return false;
    for (std::uint64_t at = 12; at + 8 <= file.size();) {
        const std::string chunk = file.ReadAt(at, 8);
        if (chunk.size() < 8) return false;
        if (chunk.substr(0, 4) == "anih") {
            const std::string header = file.ReadAt(at + 8, 36);
            return header.size() == 36 && (ReadU32(header, 32) & 1) != 0;
        }
        at += 8 + std::uint64_t{ReadU32(chunk, 4)};
    }
    return false;
}

// The 16-bit format's icon and cursor groups: MOVEABLE PURE DISCARDABLE, with PRELOAD instead of
// PURE where the statement says PRELOAD.
std::uint16_t Group16Flags(std::uint16_t statementFlags) {
    const std::uint16_t flags = MfMoveable | MfPure | MfDiscardable;
    return statementFlags & MfPreload ? (flags | MfPreload) & ~MfPure : flags;
}

// A DLGINCLUDE names its header file: the name as narrow text in code page 1252, with its NUL.
std::string DlgIncludeBytes(const StringLiteral& name) {
    std::string bytes = LiteralNarrowBytes(name, kCp1252);
    bytes.resize(std::min(bytes.size(), bytes.find('\0')));
    return bytes + '\0';
}

class Compiler {
public:
    Compiler(const CompileOptions& options, ResWriter& writer, std::vector<std::string>& filesRead)
        : options_(options),
          writer_(writer),
          filesRead_(filesRead),
          language_(options.language),
          fonts_(options.win16),
          strings_(options.nullTerminateStrings) {
        writer_.Begin();
    }

    void Add(Statement&& statement) {
        std::visit([this](auto& stmt) { Visit(std::move(stmt)); }, statement);
    }

    std::size_t Finish() {
        WriteFontDirectory();
        for (const StringTables::Block* block : strings_.Blocks())
            Emit(block->header, {}, writer_.EncodeStrings(block->bundle));
        return count_;
    }

private:
    void Visit(const DefaultsStmt& stmt) {
        language_ = stmt.language.value_or(language_);
        version_ = stmt.version.value_or(version_);
        characteristics_ = stmt.characteristics.value_or(characteristics_);
    }

    void Visit(StringTableStmt&& stmt) {  // its strings are kept until the end
        const std::uint16_t language = stmt.language.value_or(language_);
        strings_.Add(std::move(stmt), language, version_, characteristics_);
    }

    void Visit(const ResourceStmt& stmt) {
        writer_.CheckId(stmt.name, stmt.where);
        writer_.CheckId(stmt.type, stmt.where);
        ResourceHeader header = HeaderOf(stmt.type, stmt);
        using Kind = ResourceStmt::Kind;
        if (stmt.kind == Kind::Font) return Font(stmt, header);
        if (stmt.kind == Kind::DlgInclude)
            return Emit(header, {}, stmt.includeName ? DlgIncludeBytes(*stmt.includeName) : stmt.data);
        if (!stmt.file) return Emit(header, {}, stmt.data);
        const SourceFile file = Open(stmt);
        switch (stmt.kind) {
            case Kind::Bitmap: return Bitmap(stmt, header, file);
            case Kind::Icon:
            case Kind::Cursor:
                if (IsAnimated(file)) {
                    const bool cursor = stmt.kind == Kind::Cursor;
                    header.type = ResourceId::Number(cursor ? RtAniCursor : RtAniIcon);
                    header.flags = ApplyMemoryWords(MfMoveable | MfDiscardable, stmt.memoryWords);
                    return EmitFile(header, file, 0);
                }
                buffer_ = ReadIconBytes(file, *stmt.file, stmt.where);
                return IconGroup(stmt, header, buffer_);
            default: return EmitFile(header, file, 0);
        }
    }

    void Visit(const DialogStmt& stmt) {
        writer_.CheckId(stmt.name, stmt.where);
        Emit(HeaderOf(ResourceId::Number(kDialogType), stmt), {},
             options_.win16 ? EncodeDialog16(stmt) : EncodeDialog32(stmt));
    }

    void Visit(const MenuStmt& stmt) {
        if (stmt.extended && options_.win16) {
            throw CompileError(stmt.head.where,
                               "MENUEX needs 32-bit output: Windows 3.x has no MENUEX resource (compile without -31)");
        }
        const std::string body = stmt.extended    ? EncodeMenuEx(stmt)
                                 : options_.win16 ? EncodeMenu16(stmt)
                                                  : EncodeMenu32(stmt);
        EmitBody(stmt.head, RtMenu, body);
    }

    void Visit(const VersionStmt& stmt) {
        EmitBody(stmt.head, RtVersion, options_.win16 ? EncodeVersion16(stmt) : EncodeVersion32(stmt));
    }

    void Visit(const AcceleratorStmt& stmt) {
        EmitBody(stmt.head, RtAccelerators, options_.win16 ? EncodeAccelerators16(stmt) : EncodeAccelerators32(stmt));
    }

    void Visit(const ToolbarStmt& stmt) { EmitBody(stmt.head, RtToolbar, EncodeToolbar(stmt)); }

    void EmitBody(const ResourceAttributes& head, std::uint16_t type, std::string_view body) {
        writer_.CheckId(head.name, head.where);
        Emit(HeaderOf(ResourceId::Number(type), head), {}, body);
    }

    ResourceHeader HeaderOf(const ResourceId& type, const ResourceAttributes& attributes) const {
        return {type,
                attributes.name,
                attributes.flags,
                attributes.language.value_or(language_),
                attributes.version.value_or(version_),
                attributes.characteristics.value_or(characteristics_)};
    }

    // A short colour table is padded with zeros before the pixels, as rc.exe writes it.
    void Bitmap(const ResourceStmt& stmt, const ResourceHeader& header, const SourceFile& file) {
        const std::string head = file.ReadAt(0, 54);
        if (file.size() < 14 || head.substr(0, 2) != "BM") {
            throw CompileError(stmt.where,
                               QuotedText(*stmt.file, '"') + " is not a bitmap file (it does not start with \"BM\")");
        }
        const std::uint64_t missing = options_.win16 ? 0 : MissingPaletteBytes(head, file.size());
        if (missing == 0) return EmitFile(header, file, 14);  // without the file header
        const std::uint32_t pixels = PixelOffset(head);
        const std::string table = file.ReadAt(14, pixels - 14) + std::string(static_cast<std::size_t>(missing), '\0');
        writer_.WriteFile(header, table, file, pixels);
        ++count_;
    }

    // A font also gets its entry in the font directory, which refers to it by number.
    void Font(const ResourceStmt& stmt, const ResourceHeader& header) {
        if (!stmt.name.isNumber)
            throw CompileError(stmt.where,
                               "a FONT needs a number as its name: the font directory refers to it by number");
        const std::string bytes = stmt.file ? ReadWholeFile(Open(stmt), *stmt.file, stmt.where) : stmt.data;
        fonts_.Add(stmt.name.number, bytes, stmt.where);
        Emit(header, {}, bytes);
    }

    void WriteFontDirectory() {
        if (fonts_.empty()) return;
        const std::uint16_t flags = options_.win16 ? MfMoveable | MfDiscardable : MfMoveable | MfPreload;
        Emit(
            {ResourceId::Number(RtFontDir), ResourceId::Text(u"FONTDIR"), flags, language_, version_, characteristics_},
            {}, fonts_.Encode());
    }

    void IconGroup(const ResourceStmt& stmt, ResourceHeader header, std::string_view bytes) {
        const bool cursor = stmt.kind == ResourceStmt::Kind::Cursor;
        const fileaccess::Result<IconDirectory> read = ReadIconDirectory(bytes);
        if (!read) throw CompileError(stmt.where, QuotedText(*stmt.file, '"') + ": " + read.error().message);
        const IconDirectory& directory = *read;
        if (directory.type != (cursor ? 2 : 1)) {
            throw CompileError(stmt.where,
                               QuotedText(*stmt.file, '"') + " is " +
                                   (cursor ? "an icon file, not a cursor file" : "a cursor file, not an icon file"));
        }
        if (nextImageId_ + directory.images.size() > 0x10000)
            throw CompileError(stmt.where, "more than 65535 icon and cursor images");
        std::string group;
        PutU16(group, 0);
        PutU16(group, directory.type);
        PutU16(group, static_cast<std::uint16_t>(directory.images.size()));
        ResourceHeader single = header;
        single.type = ResourceId::Number(cursor ? RtCursor : RtIcon);
        single.flags = ApplyMemoryWords(MfMoveable | MfDiscardable, stmt.memoryWords);
        for (const IconImage& image : directory.images) {
            const auto id = static_cast<std::uint16_t>(nextImageId_++);
            single.name = ResourceId::Number(id);
            std::string hotSpot;
            if (cursor) {
                PutU16(hotSpot, image.planes);
                PutU16(hotSpot, image.bitCount);
            }
            group += GroupEntry(image, cursor, options_.win16);
            PutU16(group, id);
            Emit(single, hotSpot, image.bytes);
        }
        header.type = ResourceId::Number(cursor ? RtGroupCursor : RtGroupIcon);
        header.flags = options_.win16 ? Group16Flags(stmt.flags) : GroupMemoryFlags(stmt.memoryWords);
        Emit(header, {}, group);
    }

    void EmitFile(const ResourceHeader& header, const SourceFile& file, std::uint64_t offset) {
        writer_.WriteFile(header, {}, file, offset);
        ++count_;
    }

    void Emit(const ResourceHeader& header, std::string_view prefix, std::string_view body) {
        writer_.Write(header, prefix, body);
        ++count_;
    }

    SourceFile Open(const ResourceStmt& stmt) {
        return OpenResourceFile(*stmt.file, stmt.where, options_.includeDirs, stmt.fileAsWritten, &filesRead_);
    }

    const CompileOptions& options_;
    ResWriter& writer_;
    std::vector<std::string>& filesRead_;
    std::uint16_t language_;
    std::uint32_t version_ = 0;
    std::uint32_t characteristics_ = 0;
    std::uint32_t nextImageId_ = 1;
    FontDirectory fonts_;
    StringTables strings_;
    std::string buffer_;
    std::size_t count_ = 0;
};

}  // namespace

class StatementCompiler::Impl : public Compiler {
    using Compiler::Compiler;
};

StatementCompiler::StatementCompiler(const CompileOptions& options, ResWriter& writer,
                                     std::vector<std::string>& filesRead)
    : impl_(std::make_unique<Impl>(options, writer, filesRead)) {}

StatementCompiler::~StatementCompiler() = default;

void StatementCompiler::Add(Statement&& statement) { impl_->Add(std::move(statement)); }

std::size_t StatementCompiler::Finish() { return impl_->Finish(); }

}  // namespace rc
