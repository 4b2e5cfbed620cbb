#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets:
# the installed orvantis-cli runs, the desktop entry and the AppStream
# metadata are valid and agree, and the man pages render and name every
# command and option that --help lists.
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

app_id=com.korven.orvantis
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
[ -f "$prefix/share/icons/hicolor/48x48/apps/orvantis.png" ] || { echo "FAIL: no icon"; exit 1; }
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || { echo "FAIL: no AppStream metadata"; exit 1; }
appstreamcli validate --no-net "$metainfo"
# Software centres find the program by the id, launch it by the desktop entry,
# and show the version the package and the about box have.
grep -qF "<id>$app_id</id>" "$metainfo" || { echo "FAIL: the metadata's id is not $app_id"; exit 1; }
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
  || { echo "FAIL: the metadata does not launch $app_id.desktop"; exit 1; }
grep -qF "<release version=\"${expected_version/ - /-}\"" "$metainfo" \
  || { echo "FAIL: the metadata's release is not ${expected_version/ - /-}"; exit 1; }
for program in orvantis orvantis-cli orvantis-sim; do
  grep -qF "<binary>$program</binary>" "$metainfo" || { echo "FAIL: the metadata does not provide $program"; exit 1; }
  [ -f "$prefix/share/man/man1/$program.1.gz" ] || { echo "FAIL: no man page for $program"; exit 1; }
done

page=$(MANWIDTH=100 man -l "$prefix/share/man/man1/orvantis-cli.1.gz" 2>&1)
grep -qF "$expected_version" <<<"$page" || { echo "FAIL: the man page does not carry the version"; exit 1; }
# awk reads to the end: leaving early would end --help with SIGPIPE, a failure under pipefail.
commands=$("$prefix/bin/orvantis-cli" --help | awk '/^Commands:/{on=1; next} on && /^  [a-z]/{print $1} on && /^$/{on=0}')
[ -n "$commands" ] || { echo "FAIL: --help lists no commands"; exit 1; }
for command in $commands; do
  grep -qE "^ +$command( |$)" <<<"$page" || { echo "FAIL: the man page does not describe '$command'"; exit 1; }
done

sim_page=$(MANWIDTH=100 man -l "$prefix/share/man/man1/orvantis-sim.1.gz" 2>&1)
options=$("$prefix/bin/orvantis-sim" --help | grep -oE '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+$' | grep -vx -- --help-all)
[ -n "$options" ] || { echo "FAIL: orvantis-sim --help lists no options"; exit 1; }
for option in $options; do
  grep -qE -- "^ +(.*, )?$option( |,|$)" <<<"$sim_page" || { echo "FAIL: the orvantis-sim man page does not describe '$option'"; exit 1; }
done
echo "installed program checked: commands $(echo $commands); orvantis-sim options $(echo $options)"
