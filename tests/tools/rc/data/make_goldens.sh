#!/usr/bin/env bash
# Regenerates the peers' outputs that the compiler tests compare against; run from this folder.
# zig rc (ZIG: the zig program) writes rc.exe's bytes for the 32-bit scripts; windres
# (binutils-mingw-w64-i686) for the forms rc.exe refuses that windres reads; Wine's wrc
# (wine64-tools) for the 16-bit format. The cases of zig/ have their own make_zig_goldens.sh.
set -euo pipefail
cd "$(dirname "$0")"
zig=${ZIG:?set ZIG to the zig program}
for script in every_kind options statements dialog font; do
  "$zig" rc /:auto-includes none /c 65001 /fo "$script.zig.res" -- "$script.rc"
done
# rc.exe stores ANICURSOR and ANIICON under their names; windres (like brcc32) uses the types 21 and 22.
i686-w64-mingw32-windres --preprocessor=cpp -i ani.rc -O res -o ani.windres.res
i686-w64-mingw32-windres --preprocessor=cpp -J rc -O res -i legacy.rc -o legacy.windres.res
i686-w64-mingw32-windres --preprocessor=cpp -i dialog_windres.rc -O res -o dialog_windres.windres.res
wrc=$(command -v wrc-stable || command -v wrc || echo /usr/lib/wine/wrc)
"$wrc" -m16 -O res16 -I / -o win16.wrc.res win16.rc
# wrc -m16 for the 16-bit MENU, ACCELERATORS and VERSIONINFO formats.
"$wrc" -m16 -O res16 -I / -o win16_statements.wrc.res win16_statements.rc
# \" in strings and ";" after string-table entries: wrc takes both (with the language given).
"$wrc" -l 0x409 -o old_strings.wrc.res old_strings.rc
# wrc -m16 writes the FONT resources but no FONTDIR ("not yet implemented").
"$wrc" -m16 -O res16 -I / -o font.wrc16.res font.rc
# Windows 3.x dialog forms that rc.exe and windres refuse and wrc reads.
"$wrc" -l 0x409 -I / -o dialog_wrc.wrc.res dialog_wrc.rc
# wrc -m16 writes each DIALOG's header twice; the script drops the stray first copy.
"$wrc" -m16 -O res16 -I / -o dialog16.wrc.raw.res dialog16.rc
python3 drop_wrc16_stub_headers.py dialog16.wrc.raw.res dialog16.wrc.res
rm dialog16.wrc.raw.res
# COFF objects: windres's object for a .res, for both machines (coff_names.res by make_fixtures.py).
i686-w64-mingw32-windres -J res -O coff options.zig.res options.windres.o
i686-w64-mingw32-windres -J res -O coff coff_names.res coff_names.windres.o
x86_64-w64-mingw32-windres -J res -O coff coff_names.res coff_names.windres64.o
