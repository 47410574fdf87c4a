// The compiler: statements in, resources out, string tables gathered into blocks of 16 at the end.
#include "driver/StatementCompiler.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>

#include "encode/DialogEncoder.h"
#include "encode/FontDirectory.h"
#include "encode/IconFile.h"
#include "encode/StatementEncoders.h"
#include "parse/Parser.h"
#include "preprocess/IncludeResolver.h"
#include "resformat/Bytes.h"
#include "resformat/ResWriter.h"
#include "resformat/SourceFile.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

namespace fs = std::filesystem;

// Icon and font files larger than this are refused rather than read.
constexpr std::uint64_t kIconLimit = 256 * fileaccess::kMiB;

// The bytes of an icon or cursor file up to the end of its last image: a file much larger than
// its directory says (a sparse one, or one with a tail) is never read whole.
std::string ReadIconBytes(const SourceFile& file, const std::string& name, const Location& where) {
    constexpr std::size_t kHeader = 6, kEntry = 16;
    std::string head = file.ReadAt(0, kHeader);
    if (head.size() < kHeader) return head;
    head = file.ReadAt(0, kHeader + ReadU16(head, 4) * kEntry);
    std::uint64_t end = head.size();
    for (std::size_t at = kHeader; at + kEntry <= head.size(); at += kEntry) {
        end = std::max<std::uint64_t>(end, std::uint64_t{ReadU32(head, at + 12)} + ReadU32(head, at + 8));
    }
    end = std::min(end, file.size());
    if (end > kIconLimit) throw CompileError(where, QuotedText(name, '"') + ": the images of this icon file are larger than 256 MiB");
    return file.ReadAt(0, static_cast<std::size_t>(end));
}

class Compiler {
public:
    Compiler(const CompileOptions& options, ResWriter& writer, std::vector<std::string>& filesRead)
        : options_(options), writer_(writer), filesRead_(filesRead) {
        language_ = options.language;
    }

    std::size_t Run(const std::vector<Statement>& statements) {
        writer_.Begin();
        for (const Statement& statement : statements) {
            std::visit([this](auto& stmt) { Visit(stmt); }, statement);
        }
        WriteFontDirectory();
        WriteStringTables();
        return count_;
    }

private:
    using Key = std::pair<std::uint16_t, std::uint16_t>;  // block number, language
    struct Block {
        ResourceHeader header;
        StringBundle bundle;
    };

    void Visit(const LanguageStmt& stmt) { language_ = stmt.language; }

    void Visit(const ResourceStmt& stmt) {
        writer_.CheckId(stmt.name, stmt.where);
        writer_.CheckId(stmt.type, stmt.where);
        ResourceHeader header = HeaderOf(stmt.type, stmt);
        using Kind = ResourceStmt::Kind;
        if (stmt.type == ResourceId::Number(RtFont)) return Font(stmt, header);
        if (!stmt.file) return Emit(header, {}, InlineData(stmt));
        const SourceFile file = Open(*stmt.file, stmt.where);
        switch (stmt.kind) {
        case Kind::Bitmap:
            if (file.size() < 14 || file.ReadAt(0, 2) != "BM") {
                throw CompileError(stmt.where, QuotedText(*stmt.file, '"') + " is not a bitmap file (it does not start with \"BM\")");
            }
            return EmitFile(header, file, 14);  // without the file header
        case Kind::Icon:
        case Kind::Cursor:
            buffer_ = ReadIconBytes(file, *stmt.file, stmt.where);
            return IconGroup(stmt, header, buffer_);
        default: return EmitFile(header, file, 0);
        }
    }

    void Visit(const DialogStmt& stmt) {
        writer_.CheckId(stmt.name, stmt.where);
        Emit(HeaderOf(ResourceId::Number(kDialogType), stmt), {}, options_.win16 ? EncodeDialog16(stmt) : EncodeDialog32(stmt));
    }

    void Visit(const MenuStmt& stmt) {
        if (stmt.extended && options_.win16) {
            throw CompileError(stmt.head.where, "MENUEX needs 32-bit output: Windows 3.x has no MENUEX resource (compile without -31)");
        }
        const std::string body = stmt.extended ? EncodeMenuEx(stmt) : options_.win16 ? EncodeMenu16(stmt) : EncodeMenu32(stmt);
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
        return {type, attributes.name, attributes.flags, attributes.language.value_or(language_), attributes.version,
                attributes.characteristics};
    }

    // A font also gets its entry in the font directory, which refers to it by number.
    void Font(const ResourceStmt& stmt, const ResourceHeader& header) {
        if (!stmt.name.isNumber) throw CompileError(stmt.where, "a FONT needs a number as its name: the font directory refers to it by number");
        std::string bytes;
        if (stmt.file) {
            const SourceFile file = Open(*stmt.file, stmt.where);
            if (file.size() > kIconLimit) throw CompileError(stmt.where, QuotedText(*stmt.file, '"') + ": a font file larger than 256 MiB");
            bytes = file.ReadAt(0, static_cast<std::size_t>(file.size()));
        } else {
            bytes = InlineData(stmt);
        }
        fonts_.Add(stmt.name.number, bytes, stmt.where);
        Emit(header, {}, bytes);
    }

    void WriteFontDirectory() {
        if (fonts_.empty()) return;
        Emit({ResourceId::Number(RtFontDir), ResourceId::Text(u"FONTDIR"), MfMoveable | MfDiscardable, language_, 0, 0}, {},
             fonts_.Encode());
    }

    void Visit(const StringTableStmt& stmt) {
        const std::uint16_t language = stmt.language.value_or(language_);
        for (const StringEntry& entry : stmt.entries) {
            if (entry.id > 0xFFFF) throw CompileError(entry.where, "string id " + std::to_string(entry.id) + " does not fit in 16 bits");
            const Key key{static_cast<std::uint16_t>(entry.id >> 4), language};
            auto [block, created] = blocks_.try_emplace(key);
            if (created) {
                order_.push_back(key);
                block->second.header = {ResourceId::Number(RtString), ResourceId::Number(static_cast<std::uint16_t>(key.first + 1)),
                                        stmt.flags, language, stmt.version, stmt.characteristics};
            }
            StringBundle& bundle = block->second.bundle;
            const std::size_t slot = entry.id & 15;
            if (bundle.strings[slot]) {
                const Location& first = bundle.where[slot];
                throw CompileError(entry.where, "duplicate string id " + std::to_string(entry.id) + " (first defined at " +
                                                    first.fileName() + "(" + std::to_string(first.line) + "))");
            }
            std::u16string text;
            for (const StringLiteral& piece : entry.pieces) text += Process(piece, NullHandling::CutAtDoubleNull);
            if (options_.nullTerminateStrings) text += u'\0';  // rc's /n
            bundle.strings[slot] = std::move(text);
            bundle.where[slot] = entry.where;
        }
    }

    void WriteStringTables() {
        for (const Key& key : order_) {
            const Block& block = blocks_.at(key);
            Emit(block.header, {}, writer_.EncodeStrings(block.bundle));
        }
    }

    void IconGroup(const ResourceStmt& stmt, ResourceHeader header, std::string_view bytes) {
        const bool cursor = stmt.kind == ResourceStmt::Kind::Cursor;
        const fileaccess::Result<IconDirectory> read = ReadIconDirectory(bytes);
        if (!read) throw CompileError(stmt.where, QuotedText(*stmt.file, '"') + ": " + read.error().message);
        const IconDirectory& directory = *read;
        if (directory.type != (cursor ? 2 : 1)) {
            throw CompileError(stmt.where, QuotedText(*stmt.file, '"') + " is " + (cursor ? "an icon file, not a cursor file" : "a cursor file, not an icon file"));
        }
        if (nextImageId_ + directory.images.size() > 0x10000) throw CompileError(stmt.where, "more than 65535 icon and cursor images");

        std::string group;
        PutU16(group, 0);
        PutU16(group, directory.type);
        PutU16(group, static_cast<std::uint16_t>(directory.images.size()));
        for (const IconImage& image : directory.images) {
            const auto id = static_cast<std::uint16_t>(nextImageId_++);
            const auto [planes, bitCount] = ImageFormat(image.bytes);
            ResourceHeader single = header;
            single.type = ResourceId::Number(cursor ? RtCursor : RtIcon);
            single.name = ResourceId::Number(id);
            std::string hotSpot;
            if (cursor) {
                PutU16(hotSpot, image.planes);
                PutU16(hotSpot, image.bitCount);
                PutU16(group, image.width);
                PutU16(group, static_cast<std::uint16_t>(image.height * 2));  // a cursor's height counts both masks
            } else {
                PutU8(group, image.width);
                PutU8(group, image.height);
                PutU8(group, image.colorCount);
                PutU8(group, image.reserved);
            }
            PutU16(group, planes);
            PutU16(group, bitCount);
            PutU32(group, image.size + static_cast<std::uint32_t>(hotSpot.size()));
            PutU16(group, id);
            Emit(single, hotSpot, image.bytes);
        }
        header.type = ResourceId::Number(cursor ? RtGroupCursor : RtGroupIcon);
        header.flags = MfMoveable | MfPure | MfDiscardable;
        if (stmt.flags & MfPreload) header.flags = (header.flags | MfPreload) & ~MfPure;
        Emit(header, {}, group);
    }

    std::string InlineData(const ResourceStmt& stmt) {
        std::string out;
        for (const DataItem& item : stmt.data) {
            if (!item.isString) {
                if (item.isLong) {
                    PutU32(out, item.value);
                } else if (item.value > 0xFFFF) {
                    throw CompileError(stmt.where, "number " + std::to_string(item.value) + " does not fit in 16 bits (write it with L)");
                } else {
                    PutU16(out, static_cast<std::uint16_t>(item.value));
                }
                continue;
            }
            const std::u16string text = Process(item.string, NullHandling::Keep);
            for (char16_t unit : text) {
                if (item.string.wide) {
                    PutU16(out, unit);
                } else if (unit > 0xFF) {
                    throw CompileError(item.string.where, "character too large for a narrow string; write it as L\"...\"");
                } else {
                    PutU8(out, static_cast<std::uint8_t>(unit));
                }
            }
        }
        return out;
    }

    std::u16string Process(const StringLiteral& literal, NullHandling nulls) {
        try {
            return ProcessStringLiteral(literal.body, literal.wide, literal.codePage, nulls);
        } catch (const std::runtime_error& error) {
            throw CompileError(literal.where, error.what());
        }
    }

    // Finds a resource file: as written when absolute, else beside the script, in the include
    // folders, then from the working folder. Backslashes of Windows paths are tried as "/".
    SourceFile Open(const std::string& name, const Location& where) {
        std::vector<std::string> candidates;
        for (const std::string& written : {name, Slashed(name)}) {
            if (fs::path(written).is_absolute()) {
                candidates.push_back(written);
                continue;
            }
            candidates.push_back((fs::path(where.fileName()).parent_path() / written).string());
            for (const std::string& dir : options_.includeDirs) candidates.push_back((fs::path(dir) / written).string());
            candidates.push_back(written);
        }
        // A name written on Windows may differ from the file's letter case: the same folders are
        // searched again ignoring case, as includes are.
        IncludeResolver folded({fs::path(where.fileName()).parent_path().string(), options_.includeDirs, {std::string()}});
        if (std::optional<std::string> found = folded.Find(name, false, {}, [](const std::string&) { return false; })) {
            candidates.push_back(*found);
        }
        for (const std::string& path : candidates) {
            fileaccess::Result<SourceFile> file = SourceFile::Open(path);
            if (file) {
                filesRead_.push_back(path);
                return std::move(file.value());
            }
            // Only a name that is not there sends the search on; a folder or FIFO is an error,
            // told with the name as written (the message of file access ends with the reason).
            if (!file.error().missing()) {
                const std::string message = file.error().what();
                const auto reason = message.rfind("\": ");
                throw CompileError(where, "cannot read file " + QuotedText(name, '"') + ": " +
                                              (reason == std::string::npos ? message : message.substr(reason + 3)));
            }
        }
        throw CompileError(where, "cannot open file " + QuotedText(name, '"') + ": " + std::strerror(ENOENT));
    }

    static std::string Slashed(std::string name) {
        for (char& c : name) {
            if (c == '\\') c = '/';
        }
        return name;
    }

    void EmitFile(const ResourceHeader& header, const SourceFile& file, std::uint64_t offset) {
        writer_.WriteFile(header, {}, file, offset);
        ++count_;
    }

    void Emit(const ResourceHeader& header, std::string_view prefix, std::string_view body) {
        writer_.Write(header, prefix, body);
        ++count_;
    }

    const CompileOptions& options_;
    ResWriter& writer_;
    std::vector<std::string>& filesRead_;
    std::uint16_t language_;
    std::uint32_t nextImageId_ = 1;
    FontDirectory fonts_;
    std::map<Key, Block> blocks_;
    std::vector<Key> order_;
    std::string buffer_;
    std::size_t count_ = 0;
};

}  // namespace

std::size_t CompileStatements(const std::vector<Statement>& statements, const CompileOptions& options, ResWriter& writer,
                              std::vector<std::string>& filesRead) {
    return Compiler(options, writer, filesRead).Run(statements);
}

}  // namespace rc
