#!/usr/bin/env bash
# Makes the Wine prefix the tests and `make run` use: code page 936, the Chinese fonts mapped onto
# Wine's UI font names, and a 1024x768 virtual desktop with a taskbar and a notification area.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

stamp="$WINEPREFIX/.zhongbaiwu-prefix"
want="$(wine --version) $(md5sum "$0" | cut -d' ' -f1)"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
  exit 0
fi

rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
echo "Making the Wine prefix $WINEPREFIX"
env LC_ALL=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1
wineserver -w

reg_file="$WINEPREFIX/zhongbaiwu-settings.reg"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  # SimSun, which Chinese Windows also gives the dialog font, has half-width blanks and digits (6
  # pixels at 12): its stand-in is the monospaced cut, so that texts laid out with blanks line up.
  for face in SimSun 宋体 NSimSun 新宋体 "MS Shell Dlg" "MS Shell Dlg 2"; do
    printf '"%s"="WenQuanYi Zen Hei Mono"\r\n' "$face"
  done
  for face in Tahoma "MS Sans Serif" "Microsoft Sans Serif" "Segoe UI" Arial; do
    printf '"%s"="WenQuanYi Zen Hei"\r\n' "$face"
  done
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n'
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n'
} | iconv -f UTF-8 -t UTF-16 > "$reg_file"
zbw_wine regedit /S "$reg_file" >/dev/null 2>&1
wineserver -w
echo "$want" > "$stamp"
