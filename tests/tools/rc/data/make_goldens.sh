#!/usr/bin/env bash
# Regenerates the peers' outputs that the compiler tests compare against. Needs llvm-rc (llvm-14),
# windres (binutils-mingw-w64-i686) and Wine's wrc (wine64-tools); run from this folder.
set -euo pipefail
cd "$(dirname "$0")"
llvm-rc -no-preprocess -c 65001 -fo every_kind.llvm.res every_kind.rc
llvm-rc -no-preprocess -c 65001 -fo options.llvm.res options.rc
# llvm-rc stores ANICURSOR and ANIICON under their names; windres uses the types 21 and 22.
i686-w64-mingw32-windres --preprocessor=cpp -i ani.rc -O res -o ani.windres.res
wrc=$(command -v wrc || command -v wrc-stable || echo /usr/lib/wine/wrc)
"$wrc" -m16 -O res16 -I / -o win16.wrc.res win16.rc
# Dialogs: llvm-rc for the forms it reads; windres and wrc for older forms that llvm-rc refuses.
llvm-rc -no-preprocess -c 65001 -fo dialog.llvm.res dialog.rc
i686-w64-mingw32-windres --preprocessor=cpp -i dialog_windres.rc -O res -o dialog_windres.windres.res
"$wrc" -l 0x409 -I / -o dialog_wrc.wrc.res dialog_wrc.rc
# wrc -m16 writes each DIALOG's header twice; the script drops the stray first copy.
"$wrc" -m16 -O res16 -I / -o dialog16.wrc.raw.res dialog16.rc
python3 drop_wrc16_stub_headers.py dialog16.wrc.raw.res dialog16.wrc.res
rm dialog16.wrc.raw.res
