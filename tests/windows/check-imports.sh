#!/usr/bin/env bash
# Fails when the program needs a DLL that Windows itself does not ship, or is
# not a 64-bit GUI program.
set -euo pipefail
exe="$1"
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q 'file format pei-x86-64' <<<"$dump" || { echo "not a 64-bit PE file"; exit 1; }
grep -q 'Subsystem.*(Windows GUI)' <<<"$dump" || { echo "not a GUI program"; exit 1; }
system='^(kernel32|user32|gdi32|advapi32|shell32|comdlg32|comctl32|ole32|oleaut32|shlwapi|uxtheme|msvcrt|version|ucrtbase|api-ms-win-.*)\.dll$'
status=0
while read -r dll; do
  if ! grep -qiE "$system" <<<"$dll"; then echo "imports a non-system DLL: $dll"; status=1; fi
done < <(grep 'DLL Name:' <<<"$dump" | awk '{print $3}')
size=$(stat -c %s "$exe")
echo "$(basename "$exe"): $size bytes; imports: $(grep 'DLL Name:' <<<"$dump" | awk '{print $3}' | tr '\n' ' ')"
exit $status
