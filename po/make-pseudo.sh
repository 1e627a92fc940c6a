#!/bin/sh
# Makes the pseudo-language from the template: every text, and each plural
# form, wrapped in ⟦ ⟧, so that a test finds any word shown unmarked.
# Arguments: the template, the .po file to write. Its steps write files of
# their own, so that two builds running it at once do not meet.
set -eu
work="$2.$$"
sed -e 's/charset=CHARSET/charset=UTF-8/' -e '/^"Plural-Forms: /d' \
    -e 's/^"Language: \\n"$/"Language: en\\n"/' -e 's/YEAR-MO-DA HO:MI+ZONE/2026-12-08 00:00+0000/' \
    -e 's/FULL NAME <EMAIL@ADDRESS>/none/' -e 's/LANGUAGE <LL@li.org>/none/' \
    -e 's/^"Content-Transfer-Encoding: 8bit\\n"$/&\n"Plural-Forms: nplurals=2; plural=(n != 1);\\n"/' \
    "$1" > "$work.pot"
msgen --no-wrap -o "$work.en" "$work.pot"
msgfilter --keep-header --no-wrap -i "$work.en" -o "$work.po" sed -e '1s/^/⟦/' -e '$s/$/⟧/'
mv "$work.po" "$2"
rm -f "$work.pot" "$work.en"
