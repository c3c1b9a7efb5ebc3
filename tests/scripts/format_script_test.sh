#!/usr/bin/env bash
# scripts/format finds the C++ sources in the tree itself, so a copy without
# git (a source archive) is checked as fully as a checkout: a file laid out
# otherwise fails the check, build folders are left out, and a tree without
# a single source fails rather than passing on nothing.
# The script runs in a small tree of its own, with a git that fails if used.
set -euo pipefail
script="$1"
layout="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

root="$tmp/root"
mkdir -p "$root/scripts" "$root/src/area" "$root/tests/area" "$root/bench" "$root/build/dev" \
  "$root/build-asan" "$tmp/bin"
cp "$script" "$root/scripts/format"
cp "$layout" "$root/.clang-format"
printf '#!/bin/sh\necho "git was used" >&2\nexit 2\n' > "$tmp/bin/git"
chmod +x "$root/scripts/format" "$tmp/bin/git"
export PATH="$tmp/bin:$PATH"
bad='int  f( ){return 1;}'
printf 'int f() { return 1; }\n' > "$root/src/area/good.cpp"
printf '#pragma once\nint g();\n' > "$root/tests/area/good.h"
printf 'int h() { return 2; }\n' > "$root/bench/good.cpp"
printf '%s\n' "$bad" > "$root/build/dev/generated.cpp"
printf '%s\n' "$bad" > "$root/build-asan/generated.h"

failures=0
fail() {
  echo "FAILED: $1"
  failures=$((failures + 1))
}

"$root/scripts/format" --check > "$tmp/out" 2>&1 || fail "a laid-out tree without git failed: $(cat "$tmp/out")"

for file in src/area/bad.cpp tests/area/bad.h bench/bad.cpp; do
  printf '%s\n' "$bad" > "$root/$file"
  if "$root/scripts/format" --check > "$tmp/out" 2>&1; then
    fail "$file, laid out otherwise, passed the check"
  elif ! grep -q "$file" "$tmp/out"; then
    fail "the check did not name $file: $(cat "$tmp/out")"
  fi
  rm "$root/$file"
done

printf '%s\n' "$bad" > "$root/src/area/bad.cpp"
"$root/scripts/format" > "$tmp/out" 2>&1 || fail "laying out failed: $(cat "$tmp/out")"
[ "$(cat "$root/src/area/bad.cpp")" = 'int f() { return 1; }' ] || fail "bad.cpp was not laid out"
[ "$(cat "$root/build/dev/generated.cpp")" = "$bad" ] || fail "a build folder's file was laid out"

rm -r "$root/src" "$root/tests" "$root/bench"
if "$root/scripts/format" --check > "$tmp/out" 2>&1; then
  fail "a tree without a source passed the check"
elif ! grep -q "no C++ source found" "$tmp/out"; then
  fail "no reason given for the empty tree: $(cat "$tmp/out")"
fi

[ "$failures" -eq 0 ] && echo "passed"
exit "$failures"
