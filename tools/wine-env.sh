# Sourced by the scripts that run Wine: one prefix for the build, no installer prompts, no debug
# noise. Wine takes code page 936 from LC_ALL, which is given to Wine alone so that the shell does
# not try a locale the machine may not have generated.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${ZBW_WINEPREFIX:-$repo_root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="

zbw_wine() {
  env LC_ALL=zh_CN.UTF-8 wine "$@"
}
