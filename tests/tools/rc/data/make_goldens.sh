#!/usr/bin/env bash
# Regenerates the peers' outputs that the compiler tests compare against. Needs llvm-rc (llvm-14),
# windres (binutils-mingw-w64-i686) and Wine's wrc (wine64-tools); run from this folder.
set -euo pipefail
cd "$(dirname "$0")"
llvm-rc -no-preprocess -c 65001 -fo every_kind.llvm.res every_kind.rc
llvm-rc -no-preprocess -c 65001 -fo options.llvm.res options.rc
# llvm-rc stores ANICURSOR and ANIICON under their names; windres uses the types 21 and 22.
i686-w64-mingw32-windres --preprocessor=cpp -i ani.rc -O res -o ani.windres.res
wrc=$(command -v wrc-stable || command -v wrc || echo /usr/lib/wine/wrc)
"$wrc" -m16 -O res16 -I / -o win16.wrc.res win16.rc
# The statements: llvm-rc for what it takes; windres for the forms llvm-rc refuses or stores
# under names (MENUEX, modifiers on ASCII keys, "^C" with modifiers, the keyword types);
# wrc -m16 for the 16-bit MENU, ACCELERATORS and VERSIONINFO formats.
llvm-rc -no-preprocess -c 65001 -fo statements.llvm.res statements.rc
i686-w64-mingw32-windres --preprocessor=cpp -J rc -O res -i legacy.rc -o legacy.windres.res
i686-w64-mingw32-windres --preprocessor=cpp -J rc -O res -i font.rc -o font.windres.res
"$wrc" -m16 -O res16 -I / -o win16_statements.wrc.res win16_statements.rc
# \" in strings and ";" after string-table entries: wrc takes both (with the language given).
"$wrc" -l 0x409 -o old_strings.wrc.res old_strings.rc
# wrc -m16 writes the FONT resources but no FONTDIR ("not yet implemented").
"$wrc" -m16 -O res16 -I / -o font.wrc16.res font.rc
# Dialogs: llvm-rc for the forms it reads; windres and wrc for older forms that llvm-rc refuses.
llvm-rc -no-preprocess -c 65001 -fo dialog.llvm.res dialog.rc
i686-w64-mingw32-windres --preprocessor=cpp -i dialog_windres.rc -O res -o dialog_windres.windres.res
"$wrc" -l 0x409 -I / -o dialog_wrc.wrc.res dialog_wrc.rc
# wrc -m16 writes each DIALOG's header twice; the script drops the stray first copy.
"$wrc" -m16 -O res16 -I / -o dialog16.wrc.raw.res dialog16.rc
python3 drop_wrc16_stub_headers.py dialog16.wrc.raw.res dialog16.wrc.res
rm dialog16.wrc.raw.res
# COFF objects: windres's object for a .res, for both machines (coff_names.res by make_fixtures.py).
i686-w64-mingw32-windres -J res -O coff options.llvm.res options.windres.o
i686-w64-mingw32-windres -J res -O coff coff_names.res coff_names.windres.o
x86_64-w64-mingw32-windres -J res -O coff coff_names.res coff_names.windres64.o
