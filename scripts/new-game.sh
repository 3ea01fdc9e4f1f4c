#!/usr/bin/env bash
# Writes a new game on the installed kit into a folder of its own:
#   bash scripts/new-game.sh NAME DIR
# The project is the example game (games/example/) renamed: the program NAME,
# the window titled NAME with a capital letter (moon-hop2: Moon-hop2), the
# class NAME's parts capitalised (MoonHop2), with the example's test, a
# CMakeLists.txt that finds the installed kit and a README. NAME is lower-case
# letters, digits and hyphens, starting with a letter; DIR is new or an empty
# folder. It does not install the kit: when CMake cannot find it, it says how.
set -euo pipefail
KIT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
EXAMPLE="$KIT_ROOT/games/example"
TEMPLATES="$KIT_ROOT/scripts/new-game"

NAME_PATTERN='^[a-z][a-z0-9-]*$'
INSTALL_LINE="Install the kit first, from its folder: cmake --install build --prefix PREFIX (then configure with -DCMAKE_PREFIX_PATH=PREFIX)"

fail() {
  echo "ERROR: $*" >&2
  exit 1
}

[ $# -eq 2 ] || fail "new-game.sh takes a name and a folder. Usage: bash scripts/new-game.sh NAME DIR"
name="$1"
dir="$2"
# Names and folders are shown quoted, so that the ERROR stays one line whatever they hold.
[[ "$name" =~ $NAME_PATTERN ]] ||
  fail "the name $(printf %q "$name") is not lower-case letters, digits and hyphens starting with a letter"
if [ -e "$dir" ] || [ -L "$dir" ]; then
  [ -d "$dir" ] && [ -z "$(ls -A "$dir")" ] || fail "$(printf %q "$dir") exists and is not an empty folder"
fi

# The window's title and the class: moon-hop2 gives Moon-hop2 and MoonHop2.
title="${name^}"
class=""
IFS=- read -ra parts <<<"$name"
for part in "${parts[@]}"; do class+="${part^}"; done
# The kit's version as the project's CMakeLists.txt gives it, major.minor.
kit_version="$(sed -n 's/^project(arcade_kit VERSION \([0-9]*\.[0-9]*\).*/\1/p' "$KIT_ROOT/CMakeLists.txt")"

# The example's sources with the names changed: the title first, then the
# header's name, the class and the program.
copy_renamed() {
  sed -e "s/\"Catcher\"/\"$title\"/g" -e 's/catcher\.h/game.h/g' \
      -e "s/Catcher/$class/g" -e "s/catcher/$name/g" "$1" >"$2"
}
fill() {
  sed -e "s/@NAME@/$name/g" -e "s/@TITLE@/$title/g" -e "s/@CLASS@/$class/g" -e "s/@KIT_VERSION@/$kit_version/g" \
      -e "s|@INSTALL_LINE@|$INSTALL_LINE|g" "$1" >"$2"
}
mkdir -p "$dir/tests"
copy_renamed "$EXAMPLE/catcher.h" "$dir/game.h"
copy_renamed "$EXAMPLE/catcher.cpp" "$dir/game.cpp"
copy_renamed "$EXAMPLE/main.cpp" "$dir/main.cpp"
copy_renamed "$EXAMPLE/tests/catcher_test.cpp" "$dir/tests/game_test.cpp"
fill "$TEMPLATES/CMakeLists.txt.in" "$dir/CMakeLists.txt"
fill "$TEMPLATES/README.md.in" "$dir/README.md"
echo "Wrote $dir: $title, the example game as $name."

# Whether CMake finds the kit as the project will, in a throw-away folder.
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
printf 'cmake_minimum_required(VERSION 3.25)\nproject(probe CXX)\nfind_package(ArcadeKit %s CONFIG REQUIRED)\n' \
  "$kit_version" >"$probe/CMakeLists.txt"
if ! cmake -S "$probe" -B "$probe/build" >/dev/null 2>&1; then
  echo "The arcade kit $kit_version is not where CMake looks."
  echo "$INSTALL_LINE"
fi
echo "Build, test and play it (README.md):"
sed -n 's/^    \(cmake\|ctest\|build\/\)/  \1/p' "$dir/README.md"
