#!/usr/bin/env bash
# Checks the built plug-in DLL: it exports exactly the six entry points by name with their ordinals
# (base 2, 13 slots), and it imports nothing but system DLLs (the runtimes are linked in statically).
set -u
objdump=$1 dll=$2
dump=$("$objdump" -p "$dll") || { echo "cannot read $dll"; exit 1; }
status=0
fail() { echo "FAIL: $*"; status=1; }

base=$(sed -n 's/^Export Address Table -- Ordinal Base \([0-9]*\).*/\1/p' <<<"$dump")
[ "$base" = 2 ] || fail "ordinal base is '$base', expected 2"
slots=$(sed -n 's/^[[:space:]]*Export Address Table[[:space:]]*\([0-9a-fA-F]*\)$/\1/p' <<<"$dump" | head -1)
[ "$((16#${slots:-0}))" = 13 ] || fail "export address table has $((16#${slots:-0})) slots, expected 13"

# "[  n] Name" rows of the name table give each name's slot; its ordinal is base + slot.
actual=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" \
  | sed -n 's/^[[:space:]]*\[[[:space:]]*\([0-9]*\)\][[:space:]]*\([A-Za-z_0-9]*\)$/\2 \1/p' \
  | while read -r name slot; do echo "$name $((slot + ${base:-0}))"; done | sort)
expected=$(printf '%s\n' "TVC_OnExit 2" "TVC_OnMenuInit 3" "TVC_OnOpenMail 5" "TVC_OnKeyDispatch 9" \
  "TVC_OnPlugInSetup 13" "TVC_OnPlugInInfo 14" | sort)
[ "$actual" = "$expected" ] || fail "exports differ:"$'\n'"expected:"$'\n'"$expected"$'\n'"actual:"$'\n'"$actual"

# Only the address table rows of the named exports: no unnamed extras.
used=$(sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\] +base\[[[:space:]]*\([0-9]*\)\].*/\1/p' <<<"$dump" | sort -n | tr '\n' ' ')
[ "$used" = "2 3 5 9 13 14 " ] || fail "used ordinal slots are '$used', expected '2 3 5 9 13 14 '"

allowed=" kernel32.dll user32.dll gdi32.dll comctl32.dll msvcrt.dll "
while read -r imported; do
  [ -n "$imported" ] || continue
  lower=$(tr 'A-Z' 'a-z' <<<"$imported")
  [[ "$allowed" == *" $lower "* ]] || fail "imports $imported, which is not a system DLL of the allowed set"
done < <(sed -n 's/^[[:space:]]*DLL Name: \(.*\)$/\1/p' <<<"$dump")

[ $status = 0 ] && echo "OK: $dll exports and imports"
exit $status
