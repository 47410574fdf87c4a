// The debug channel: values turned into one line of text and sent to a debug viewer listening
// on the local socket "TDebuggerForm" in the user's runtime folder; without a listener the text
// is dropped.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <variant>
#include <vector>

namespace restallow {

struct DebugPointer {};  // a value whose text is empty
struct DebugNil {};      // an empty object reference: "nil"

using DebugValue = std::variant<int, bool, char, double, QString, DebugPointer, DebugNil>;

QString FormatDebugValues(const std::vector<DebugValue>& values);

inline constexpr const char* kDebugServer = "TDebuggerForm";

// The viewer's socket: $XDG_RUNTIME_DIR/TDebuggerForm. Without a runtime folder that only this
// user can enter, $TMPDIR (or /tmp)/restallow-UID/TDebuggerForm in a folder made with mode 0700; empty (the
// channel stays silent) when that folder is not the user's own or is open to others.
QString DebugServerPath();

// Sends the text and one NUL byte, one line a connection, and never waits more than a few
// milliseconds: without a viewer the line is dropped; a viewer that does not take it at once
// (it accepts no connection, or reads nothing) loses it, and the lost lines are counted. The
// next line it takes is preceded by one that tells how many were lost. True when the line was
// handed over whole.
bool DebugSendText(const QString& text);
// How many lines a listening viewer did not take, since the program started.
std::uint64_t DebugLinesDropped();
void DebugSend(const std::vector<DebugValue>& values);

// Sends the values, then plays sound 1..8 of the sound table from `soundDirectory` (0: none)
// through `play`, which gets the file's path.
void DebugSendSound(const std::vector<DebugValue>& values, int sound, const QString& soundDirectory,
                    const std::function<void(const QString&)>& play);
QString DebugSoundFile(int sound, const QString& soundDirectory);

}  // namespace restallow
