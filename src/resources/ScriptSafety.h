// What a resource script can hold: file names and entry names that a script carries and the
// compiler reads as they are, and the check that a written script loads back as the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resources/ResourceEntry.h"

namespace restallow {

// Why a file name cannot stand between the double quotes of a script line: a line break, NUL or
// byte 26 ends the line or the script; a double quote ends the name, which has no escapes; "*/"
// ends the comment that names a string table's text file.
enum class PathProblem { None, LineBreak, Nul, EndOfText, Quote, CommentEnd };
PathProblem ScriptCannotHold(std::string_view path, bool textFile);

// An entry name the compiler reads as one name: a number up to 65535, or a letter or "_" and
// then letters, digits, "_" and "."; no word that begins a statement of its own.
bool IsScriptName(std::string_view name);

// Why a written script would not give the list back: an entry name or file name it cannot hold,
// or an entry that would load back otherwise. `entry` is that entry's name.
struct ScriptFault {
    enum Kind { None, Name, File, Reload } kind = None;
    std::string entry;
    explicit operator bool() const { return kind != None; }
};

// The entries as the script of `text` gives them back, compared with the list's entries (plain
// ones first, then the string tables), after their names and file names are checked.
ScriptFault CheckScriptHolds(const std::vector<ResourceEntry>& entries, std::string_view text);

}  // namespace restallow
