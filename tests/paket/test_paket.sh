#!/usr/bin/env bash
# The installation as a user gets it: `cmake --install` into a scratch prefix (every file in
# its standard place, desktop entry, AppStream data and file type valid), then the Debian
# package built by cpack, unpacked into a scratch root, whose program is started offscreen
# with a project file as its argument. Usage: test_paket.sh <build folder>
# Exit status 77 (skipped) when a tool is missing; scripts/install-deps.sh installs them all.
set -euo pipefail
bau=$(cd "$1" && pwd)
quelle=$(cd "$(dirname "$0")/../.." && pwd)
id=de.simultano.Simultano

fehler() { echo "FEHLER: $*" >&2; exit 1; }
for werkzeug in cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli update-mime-database timeout; do
  command -v "$werkzeug" > /dev/null || { echo "Übersprungen: $werkzeug fehlt (scripts/install-deps.sh installiert es)."; exit 77; }
done

tmp=$(mktemp -d)
programm=
aufraeumen() {
  if [ -n "$programm" ]; then kill "$programm" 2> /dev/null || true; fi
  rm -rf "$tmp"
}
trap aufraeumen EXIT

# ---- the install tree
cmake --install "$bau" --prefix "$tmp/prefix" > /dev/null
for datei in bin/Simultano bin/simultano-cli share/simultano/Simulta.chm share/simultano/Beispielschule.spz \
             share/applications/$id.desktop share/icons/hicolor/scalable/apps/$id.svg \
             share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml; do
  [ -f "$tmp/prefix/$datei" ] || fehler "$datei fehlt im Installationsbaum"
done
[ -x "$tmp/prefix/bin/Simultano" ] || fehler "bin/Simultano ist nicht ausführbar"
desktop=$tmp/prefix/share/applications/$id.desktop
desktop-file-validate "$desktop" | grep -v "more than one main category" && fehler "desktop-file-validate meldet Fehler"
grep -qx 'Exec=Simultano %f' "$desktop" || fehler "Exec öffnet keine Datei"
grep -qx 'Categories=Office;Education;' "$desktop" || fehler "Kategorien fehlen"
grep -qx "Icon=$id" "$desktop" || fehler "Symbol fehlt"
appstreamcli validate --no-net "$tmp/prefix/share/metainfo/$id.metainfo.xml" > /dev/null \
  || fehler "appstreamcli validate lehnt die Metadaten ab"
update-mime-database "$tmp/prefix/share/mime" 2> /dev/null
grep -q '^50:application/x-simultano-projekt:\*\.spz$' "$tmp/prefix/share/mime/globs2" \
  || fehler "*.spz ist keinem Dateityp zugeordnet"

# ---- the Debian package
cpack -G DEB --config "$bau/CPackConfig.cmake" -B "$tmp/paket" > "$tmp/cpack.log" 2>&1 \
  || { cat "$tmp/cpack.log"; fehler "cpack -G DEB schlug fehl"; }
deb=$(ls "$tmp"/paket/simultano_*.deb)
abhaengig=$(dpkg-deb --field "$deb" Depends)
for bibliothek in libqt6widgets6 libqt6svg6 libqt6printsupport6 libchm1; do
  [[ "$abhaengig" == *"$bibliothek"* ]] || fehler "Depends nennt $bibliothek nicht: $abhaengig"
done
# every dependency is a package this machine has
for paket in $(echo "$abhaengig" | tr ',' '\n' | sed 's/(.*)//; s/|.*//' | tr -d ' '); do
  dpkg-query -W -f='${Status}' "$paket" 2> /dev/null | grep -q "install ok installed" \
    || dpkg-query -W -f='${Status}' "$paket:$(dpkg --print-architecture)" 2> /dev/null | grep -q "install ok installed" \
    || fehler "Abhängigkeit $paket ist nicht installierbar"
done
inhalt=$(dpkg-deb --contents "$deb")
for datei in usr/bin/Simultano usr/bin/simultano-cli usr/share/simultano/Simulta.chm usr/share/applications/$id.desktop; do
  [[ "$inhalt" == *"./$datei"* ]] || fehler "$datei fehlt im Paket"
done

# ---- the package in a scratch root, started there with a project file from the home folder
wurzel=$tmp/wurzel
dpkg-deb -x "$deb" "$wurzel"
export HOME=$tmp/home
unset XDG_CONFIG_HOME
mkdir -p "$HOME/Konferenzen"
cp "$quelle/resources/beispiel/Beispielschule.spz" "$HOME/Konferenzen/"
"$wurzel/usr/bin/simultano-cli" pruefen "$HOME/Konferenzen/Beispielschule.spz" > /dev/null \
  || fehler "simultano-cli aus dem Paket liest die Beispielschule nicht"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp "$wurzel/usr/bin/Simultano" "$HOME/Konferenzen/Beispielschule.spz" &
programm=$!
einstellungen=$HOME/.config/Simultano/Simultano.ini
for _ in $(seq 1 300); do
  [ -f "$einstellungen" ] && break
  kill -0 "$programm" 2> /dev/null || fehler "das installierte Programm endete beim Start"
  sleep 0.1
done
# Opening the file remembered its folder, in the user's settings, not beside the program.
tr -d '\r' < "$einstellungen" | grep -qx "open=$HOME/Konferenzen/" || fehler "die Datei wurde nicht geöffnet ($einstellungen)"
[ ! -e "$wurzel/usr/bin/Simultano.ini" ] || fehler "Einstellungen liegen beim installierten Programm"
kill -0 "$programm" 2> /dev/null || fehler "das installierte Programm endete nach dem Öffnen"
kill "$programm"
wait "$programm" 2> /dev/null || true
programm=
echo "Installationsbaum, Paket und installiertes Programm in Ordnung."
