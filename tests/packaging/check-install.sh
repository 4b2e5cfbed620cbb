#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets:
# the installed orvantis-cli runs, the desktop entry is valid, and the man
# page renders and names every command that --help lists.
set -euo pipefail
build=$1
expected_version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for program in orvantis orvantis-cli orvantis-sim; do
  [ -x "$prefix/bin/$program" ] || { echo "FAIL: $program not installed"; exit 1; }
done

version=$("$prefix/bin/orvantis-cli" --version)
grep -qF "$expected_version" <<<"$version" || { echo "FAIL: --version said '$version'"; exit 1; }

work=$(mktemp -d)
(cd "$work" && "$prefix/bin/orvantis-cli" new fresh.pro >/dev/null)
[ "$(wc -l <"$work/fresh.pro")" -eq 122 ] || { echo "FAIL: installed orvantis-cli new wrote no full project"; exit 1; }
rm -rf "$work"

desktop-file-validate "$prefix/share/applications/orvantis.desktop"
[ -f "$prefix/share/icons/hicolor/48x48/apps/orvantis.png" ] || { echo "FAIL: no icon"; exit 1; }

page=$(MANWIDTH=100 man -l "$prefix/share/man/man1/orvantis-cli.1.gz" 2>&1)
grep -qF "$expected_version" <<<"$page" || { echo "FAIL: the man page does not carry the version"; exit 1; }
commands=$("$prefix/bin/orvantis-cli" --help | awk '/^Commands:/{on=1; next} on && /^  [a-z]/{print $1} on && /^$/{exit}')
[ -n "$commands" ] || { echo "FAIL: --help lists no commands"; exit 1; }
for command in $commands; do
  grep -qE "^ +$command( |$)" <<<"$page" || { echo "FAIL: the man page does not describe '$command'"; exit 1; }
done
echo "installed program checked: commands $(echo $commands)"
