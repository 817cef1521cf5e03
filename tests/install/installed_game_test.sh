#!/bin/sh
# Installs the game into a fresh prefix, makes that prefix read-only as an
# installed game's is, and plays the installed executable offscreen through
# its menus (new game, save, high scores, exit). The four data files must
# appear in the user's data folder, and nothing may change under the prefix.
# Usage: installed_game_test.sh BUILD_DIR DRIVER_PLUGIN
set -eu
build=$1
plugin=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/games/zunpas"

mkdir -p "$work/plugins/generic" "$work/home/data" "$work/runtime"
cp "$plugin" "$work/plugins/generic/"
chmod -R a+rX "$work/plugins"
chmod 700 "$work/runtime"
(cd "$prefix" && find . -exec stat -c '%n %s %Y' {} + | sort) >"$work/before"
chmod -R a-w "$prefix"

# Plays once as `$1` (a command prefix, or nothing) with the home `$2`, and
# checks that its data folder holds the four files, whole.
play() {
  home=$2
  status=0
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
    QT_PLUGIN_PATH="$work/plugins" QT_QPA_GENERIC_PLUGINS=zunpadriver \
    $1 "$prefix/games/zunpas" || status=$?
  [ "$status" -eq 0 ] || { echo "the installed game ended with status $status" >&2; exit 1; }
  data=$home/data/ZunpaS
  found=$(ls -A "$data" | sort | tr '\n' ' ')
  [ "$found" = "Save.txt SaveData.txt score.dat zunpas.ini " ] || {
    echo "the user's data folder holds: $found" >&2
    exit 1
  }
  [ "$(wc -l <"$data/SaveData.txt")" -eq 107 ] || { echo "SaveData.txt is not a whole saved game" >&2; exit 1; }
  [ "$(wc -l <"$data/zunpas.ini")" -eq 4 ] || { echo "zunpas.ini is not four lines" >&2; exit 1; }
}

if [ "$(id -u)" -eq 0 ]; then
  # A player who cannot write the prefix, then root, who could.
  chown -R 65534:65534 "$work/home" "$work/runtime"
  play "setpriv --reuid=65534 --regid=65534 --clear-groups" "$work/home"
  chown -R 0:0 "$work/runtime"
  mkdir -p "$work/root-home/data"
  play "" "$work/root-home"
else
  play "" "$work/home"
fi
(cd "$prefix" && find . -exec stat -c '%n %s %Y' {} + | sort) >"$work/after"
diff -u "$work/before" "$work/after" || { echo "the game changed its installed files" >&2; exit 1; }
echo "installed game: new game, save, high scores and exit wrote only the user's data folder"
