#!/usr/bin/env bash
# Compares the value of every name the built-in headers define with the value the MinGW-w64
# headers give it: both preprocessors expand each name after including all headers, and the
# expansions are evaluated as integer expressions (casts dropped, 32 bits) or compared as strings.
# An L suffix (a 32-bit number in RCDATA) must agree too. Names MinGW-w64 does not define are
# listed apart (the MFC ids of afxres.h, which MinGW-w64's afxres.h lacks). A WORD cast keeps 16 bits;
# other casts are dropped.
# verrsrc.h, which MinGW-w64 lacks, is compared with its winver.h. The templates common.ver and
# verinfo.ver are compared through their output, by the zig rc case tests/tools/rc/data/zig/headers.rc.
# Usage: tools/rc/headers/compare_with_mingw.sh [BUILD_DIR]   (needs i686-w64-mingw32-cpp)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
rc=$(realpath "${1:-build}")/restallow-rc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Each header is compared where a script would include it alone; windows.h brings the .rh files.
contexts=("windows.h:winuser.rh commctrl.rh winnt.rh dde.rh dlgs.h winver.h sdkddkver.h windows.h winresrc.h"
          "winres.h:winres.h" "afxres.h:afxres.h" "commctrl.h:commctrl.h" "winuser.h:winuser.h" "winnt.h:winnt.h"
          "windows.h scrnsave.h:scrnsave.h" "windows.h richedit.h:richedit.h" "wingdi.h:wingdi.h" "winsdkver.h:winsdkver.h"
          "windef.h:windef.h" "windows.h winver.h:verrsrc.h" "windows.h ntverp.h:ntverp.h" "windows.h cpl.h:cpl.h"
          "custcntl.h:custcntl.h")
for context in "${contexts[@]}"; do
  includes=${context%%:*} files=${context#*:} header=${includes##* }
  {
    for h in $includes; do echo "#include <$h>"; done
    for f in $files; do sed -n -E 's/^#define ([A-Za-z_][A-Za-z_0-9]*)[ \t].*/\1/p' "$here/$f"; done | grep -v '^RESTALLOW_' | sort -u |
      while read -r name; do echo "@@@ \"$header:$name\" $name"; done
  } > "$work/$header.rc"
done
# function-like macros, with arguments
{
  echo "#include <windows.h>"; echo "#include <winuser.h>"; echo "#include <winnt.h>"
  for call in 'MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN_SWISS)' 'MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT)' \
              'PRIMARYLANGID(0x0807)' 'SUBLANGID(0x0807)' 'MAKELCID(0x0407, SORT_GERMAN_PHONE_BOOK)' \
              'LANGIDFROMLCID(0x00010407)' 'SORTIDFROMLCID(0x00010407)' 'MAKEINTRESOURCE(5)'; do
    echo "@@@ \"calls:$call\" $call"
  done
} > "$work/calls.rc"
for f in "$work"/*.rc; do
  i686-w64-mingw32-cpp -xc -DRC_INVOKED -P "$f" -o - 2>/dev/null | grep '@@@' >> "$work/mingw.txt"
  "$rc" -E "$f" | grep '@@@' >> "$work/ours.txt"
done
python3 - "$work/mingw.txt" "$work/ours.txt" <<'PY'
import re, sys
TYPES = r'(?:LPSTR|LPWSTR|LPTSTR|LPCSTR|LPCWSTR|ULONG_PTR|INT_PTR|UINT_PTR|LONG_PTR|WORD|USHORT|DWORD|LONG|ULONG|int|UINT|BYTE|short|SHORT|INT|unsigned|HWND|HBITMAP|HICON|HCURSOR|HMENU|HANDLE|HIMAGELIST|HTREEITEM|LPARAM|WPARAM|COLORREF|char)'
def values(path):
    out = {}
    for line in open(path, encoding='latin1'):
        m = re.match(r'\s*@@@ "([^"]+)" ?(.*)$', line.rstrip('\n'))
        if m: out[m.group(1)] = m.group(2).strip()
    return out
def value(text, key):
    name = key.split(':', 1)[1]
    if text == name or re.fullmatch(r'[A-Za-z_]\w*\(.*\)', text) and text.replace(' ', '') == name.replace(' ', ''):
        return ('undefined',)
    text = re.sub(r'\bL\s+"', 'L"', text)  # L#x: MinGW-w64's cpp keeps the L apart, rc.exe's makes a wide string
    if re.fullmatch(r'(L?"(?:[^"\\]|\\.)*"\s*)+', text): return ('string', re.sub(r'"\s+"', '""', text))
    t = re.sub(r'\(\s*(?:WORD|USHORT)\s*\)\s*(\([^()]*\))', r'(0xFFFF & \1)', text)
    for _ in range(5): t = re.sub(r'\(\s*' + TYPES + r'\s*\)', '', t)
    is_long = bool(re.search(r'\b(0[xX][0-9a-fA-F]+|\d+)[uU]?[lL]', t))
    t = re.sub(r'\b(0[xX][0-9a-fA-F]+|\d+)[uUlL]+', r'\1', t)
    t = re.sub(r'\b0(\d+)\b', r'0o\1', t)
    try: v = eval(t.replace('&&', ' and ').replace('||', ' or ').replace('/', '//'), {}, {})
    except Exception: return ('text', ' '.join(text.split()))
    if not isinstance(v, int): return ('text', ' '.join(text.split()))
    return ('number', v & 0xFFFFFFFF, is_long)
mingw, ours = values(sys.argv[1]), values(sys.argv[2])
equal, differ, unknown = 0, [], []
for name in sorted(ours):
    a, b = value(mingw.get(name, name), name), value(ours[name], name)
    if a == ('undefined',): unknown.append(name)
    elif a == b: equal += 1
    else: differ.append((name, mingw.get(name), ours[name]))
for name, m, o in differ: print(f'DIFFERENT {name}: mingw-w64 {m!r}, restallow-rc {o!r}')
from collections import Counter
by_header = Counter(n.split(':')[0] for n in unknown)
print('names the MinGW-w64 headers do not define, by header: ' + ', '.join(f'{h} {c}' for h, c in sorted(by_header.items())))
print(f'{equal} equal, {len(differ)} different, {len(unknown)} not in MinGW-w64, of {len(ours)} names (name and header pairs)')
sys.exit(1 if differ else 0)
PY
