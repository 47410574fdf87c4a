// Small program files for tests: a DOS MZ program, NE programs for Windows or OS/2, PE programs.
#pragma once

#include <cstdint>
#include <string>

namespace restallow::test {

// An MZ stub whose new-header offset points at `header` placed at 0x80.
inline std::string MzWith(const std::string& header) {
    std::string file(0x80, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    file[0x3C] = static_cast<char>(0x80);
    return file + header;
}

inline std::string DosProgram() {
    std::string file(0x200, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    return file;
}

// A small but complete NE program for the given target system (2 Windows, 1 OS/2): no
// segments, no resources, a resident name table, empty import and entry tables.
inline std::string NeProgram(std::uint8_t targetOs) {
    std::string header(0x40, '\0');
    header[0] = 'N';
    header[1] = 'E';
    header[0x36] = static_cast<char>(targetOs);
    for (int field : {0x22, 0x24, 0x26}) header[field] = 0x40;  // tables follow the header
    for (int field : {0x28, 0x2A}) header[field] = 0x48;
    header[0x04] = 0x49;
    header[0x06] = 2;
    header += std::string(
        "\x04"
        "DEMO\0\0\0",
        8);                          // resident names
    header += std::string(3, '\0');  // imported names, entry table
    return MzWith(header);
}

inline std::string PeProgram(std::uint16_t machine) {
    std::string header("PE\0\0", 4);
    header += static_cast<char>(machine & 0xFF);
    header += static_cast<char>(machine >> 8);
    header.append(0x100, '\0');
    return MzWith(header);
}

}  // namespace restallow::test
