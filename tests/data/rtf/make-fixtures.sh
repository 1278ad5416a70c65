#!/usr/bin/env sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the word-processor fixtures from sample.md: pandoc writes RTF
# directly, LibreOffice Writer converts pandoc's ODT. Needs pandoc and
# libreoffice-writer-nogui; the results are committed, so the tests do not.
set -eu
cd "$(dirname "$0")"
pandoc -s -f markdown -t rtf sample.md -o pandoc.rtf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pandoc -f markdown -t odt sample.md -o "$work/sample.odt"
soffice --headless -env:UserInstallation="file://$work/profile" --convert-to rtf --outdir "$work" "$work/sample.odt" >/dev/null
mv "$work/sample.rtf" libreoffice.rtf
