#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the program folder's Cabhelp.rtf (the Information Index) and
# Readme.rtf from their Markdown sources. Run it after editing docs/manual or
# docs/readme and commit the RTF files with the sources: the program ships the
# RTF, and help finds a topic by the first occurrence of its heading, so keep
# every heading's text out of the pages before it.
#
#   tools/make-help.sh [output folder]   (default: data/)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/data}"

if ! command -v pandoc >/dev/null; then
    echo "make-help: pandoc is missing; scripts/install-deps.sh installs it" >&2
    exit 1
fi

# Smart quotes stay off so that headings and captions keep the straight
# characters the program searches for. The files are made in a temporary
# place and renamed, so a failed run never leaves half a manual behind.
convert() {
    local target="$1"
    shift
    pandoc -s -f markdown-smart -t rtf --metadata pagetitle=Boxmill -o "$target.tmp" "$@"
    mv "$target.tmp" "$target"
}

convert "$out/Cabhelp.rtf" "$root"/docs/manual/[0-9][0-9]-*.md
convert "$out/Readme.rtf" "$root/docs/readme/Readme.md"
