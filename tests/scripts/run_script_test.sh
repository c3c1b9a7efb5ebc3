#!/usr/bin/env bash
# scripts/run writes the data-directory file naming data/ only when the
# settings folder holds none: a folder the user chose with File > Open
# LCIA/LCC Database, or a user's own settings, stay as they are. It starts
# the program it is given with the same settings, and opens the sample
# project from a copy outside the checkout, made once. It configures the
# build only when there is none, and builds with the jobs asked for.
# The script runs in a copy of the tree where set-up, CMake and the program
# are stand-ins, so nothing is built or started.
set -euo pipefail
script="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

root="$tmp/root"
programs="$root/build/app/src/programs"
mkdir -p "$root/scripts" "$root/data" "$root/samples/office" "$programs" "$tmp/bin"
cp "$script" "$root/scripts/run"
printf '#!/bin/sh\nexit 0\n' > "$root/scripts/setup"
# The stand-in for CMake notes each call; configuring leaves a build behind.
cat > "$tmp/bin/cmake" << EOF
#!/bin/sh
echo "\$*" >> "$tmp/cmake.calls"
case "\$*" in -S*) mkdir -p build/app && : > build/app/build.ninja ;; esac
EOF
for p in ostrevo vistrel; do
  printf '#!/bin/sh\necho started %s\n' "$p" > "$programs/$p"
  chmod +x "$programs/$p"
done
chmod +x "$root/scripts/run" "$root/scripts/setup" "$tmp/bin/cmake"
: > "$root/data/MATLCIA.IDB"
printf 'sample\r\n' > "$root/samples/office/OFFICE.PRJ"
export PATH="$tmp/bin:$PATH"

failures=0
check() {  # what, expected file content, file
  local actual
  actual="$(cat "$3" 2>/dev/null || echo "(no file)")"
  if [ "$actual" != "$2" ]; then
    echo "FAILED: $1: expected [$2], found [$actual]"
    failures=$((failures + 1))
  fi
}
crlf=$'\r'

# No settings yet: the file names data/.
out="$(OSTREVO_HOME="$tmp/fresh" "$root/scripts/run")"
[ "$out" = "started ostrevo" ] || { echo "FAILED: the program did not start: $out"; failures=$((failures + 1)); }
check "a fresh settings folder" "\"$root/data/\"$crlf" "$tmp/fresh/Ostrevo_Str.TXT"

# A folder the user chose stays, in a settings folder of their own ...
mkdir -p "$tmp/user"
printf '"/home/user/lcia/"\r\n' > "$tmp/user/Ostrevo_Str.TXT"
OSTREVO_HOME="$tmp/user" "$root/scripts/run" > /dev/null
check "the user's own settings" "\"/home/user/lcia/\"$crlf" "$tmp/user/Ostrevo_Str.TXT"

# ... and in the default one, from one start to the next.
unset OSTREVO_HOME
"$root/scripts/run" > /dev/null
check "the default settings folder" "\"$root/data/\"$crlf" "$root/build/home/Ostrevo_Str.TXT"
printf '"/srv/other/"\r\n' > "$root/build/home/Ostrevo_Str.TXT"
"$root/scripts/run" > /dev/null
check "a folder chosen in the program" "\"/srv/other/\"$crlf" "$root/build/home/Ostrevo_Str.TXT"

# Another program, with the same settings.
out="$("$root/scripts/run" vistrel)"
[ "$out" = "started vistrel" ] || { echo "FAILED: vistrel did not start: $out"; failures=$((failures + 1)); }
check "the settings of vistrel" "\"/srv/other/\"$crlf" "$root/build/home/Ostrevo_Str.TXT"

# The sample is opened from its copy, which a later start leaves as it is.
check "the sample's copy" "sample$crlf" "$root/build/run/office/OFFICE.PRJ"
printf 'changed\r\n' > "$root/build/run/office/OFFICE.PRJ"
"$root/scripts/run" > /dev/null
check "the sample's copy after a change" "changed$crlf" "$root/build/run/office/OFFICE.PRJ"

# Configured at the first start only; every start builds with the jobs
# CMAKE_BUILD_PARALLEL_LEVEL asks for.
CMAKE_BUILD_PARALLEL_LEVEL=3 "$root/scripts/run" > /dev/null
[ "$(grep -c -- '^-S' "$tmp/cmake.calls")" = 1 ] || { echo "FAILED: configured more than once"; failures=$((failures + 1)); }
tail -n 1 "$tmp/cmake.calls" | grep -q -- "-j 3 " || { echo "FAILED: jobs: $(tail -n 1 "$tmp/cmake.calls")"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "passed"
exit "$failures"
