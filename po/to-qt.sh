#!/bin/sh
# Turns a language's .po file into Qt's catalogue (.qm). Qt reads a message's
# context from msgctxt only under the header X-Qt-Contexts, as "context|";
# translators keep plain msgctxt lines, so both are added here, on a copy.
# Arguments: the .po file, its language, the .qm file to write.
set -eu
po=$1
language=$2
qm=$3
work="$qm.$$"
msgfmt --check -o /dev/null "$po"
sed -e 's/^"Content-Transfer-Encoding: 8bit\\n"$/&\n"X-Qt-Contexts: true\\n"/' \
    -e 's/^msgctxt "\(.*\)"$/msgctxt "\1|"/' "$po" > "$work.po"
lconvert=$(command -v lconvert || echo /usr/lib/qt6/bin/lconvert)
lrelease=$(command -v lrelease || echo /usr/lib/qt6/bin/lrelease)
[ -x "$lconvert" ] || lconvert=/usr/lib/qt6/bin/lconvert
[ -x "$lrelease" ] || lrelease=/usr/lib/qt6/bin/lrelease
"$lconvert" -if po -of ts -target-language "$language" -i "$work.po" -o "$work.ts"
"$lrelease" -silent -nounfinished -removeidentical "$work.ts" -qm "$qm"
rm -f "$work.po" "$work.ts"
