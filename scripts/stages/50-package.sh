# Builds the Debian package, checks it, installs it on this machine and
# starts the installed program once in Xvfb.
set -uo pipefail
source scripts/stages/lib.sh
# The unit stage's build: packaging strips the binary, so its debug info
# costs nothing, and the program is not compiled a second time.
build=build/test
stage=$(mktemp -d)
xvfb_pid='' app_pid=''
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$stage"
}
trap cleanup EXIT

passed=0 failed=0
check() { # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "PASS  $what"
  else
    failed=$((failed + 1))
    echo "FAIL  $what"
  fi
}
finish() {
  echo "$passed passed, $failed failed"
  echo "package $passed $failed" >> "$TESSOMAR_RESULTS"
  [ "$failed" -eq 0 ]
  exit
}

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

# ---- build, install into a staging tree, validate what a desktop reads
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
       cmake --build "$build" --target tessomar tessomar-calc; }; then
  failed=$((failed + 1))
  echo "FAIL  build"
  finish
fi
check "cmake --install lays out the tree" \
  env DESTDIR="$stage" cmake --install "$build" --prefix /usr
usr=$stage/usr
check "the program is installed" test -x "$usr/bin/tessomar"
check "the command-line program is installed" test -x "$usr/bin/tessomar-calc"
check "the desktop entry passes desktop-file-validate" \
  desktop-file-validate "$usr/share/applications/org.tessomar.Tessomar.desktop"
check "the metainfo passes appstreamcli validate" \
  appstreamcli validate --no-net "$usr/share/metainfo/org.tessomar.Tessomar.metainfo.xml"
check "the metainfo lists screenshots" \
  grep -q '<screenshot type="default">' "$usr/share/metainfo/org.tessomar.Tessomar.metainfo.xml"
icons_ok() {
  local size
  test -f "$usr/share/icons/hicolor/scalable/apps/org.tessomar.Tessomar.svg" || return 1
  for size in 16 24 32 48 64 128 256; do
    grep -q "PNG image data, $size x $size" <<<"$(file "$usr/share/icons/hicolor/${size}x${size}/apps/org.tessomar.Tessomar.png")" ||
      { echo "icon ${size}x${size} missing"; return 1; }
  done
}
check "the icon is installed in hicolor at every size" icons_ok

# ---- the package
rm -f "$build"/tessomar_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/tessomar_*.deb 2>/dev/null | head -1)
check "cpack builds the .deb" test -n "$deb"
[ -n "$deb" ] || finish
dpkg-deb -I "$deb"
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{print $1}')
depends_ok() {
  local want
  for want in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 qt6-qpa-plugins \
              fonts-liberation fonts-urw-base35 fonts-dejavu-core; do
    grep -qxF "$want" <<<"$depends" || { echo "Depends lacks $want:" $depends; return 1; }
  done
}
check "the .deb depends on its libraries, the X11 plugin and the fonts" depends_ok
contents_ok() {
  local listing path
  listing=$(dpkg-deb -c "$deb")
  for path in ./usr/bin/tessomar ./usr/share/applications/org.tessomar.Tessomar.desktop \
              ./usr/share/metainfo/org.tessomar.Tessomar.metainfo.xml \
              ./usr/share/icons/hicolor/48x48/apps/org.tessomar.Tessomar.png \
              ./usr/share/doc/tessomar/copyright ./usr/share/doc/tessomar/changelog.gz \
              ./usr/share/man/man1/tessomar.1.gz ./usr/bin/tessomar-calc \
              ./usr/share/man/man1/tessomar-calc.1.gz ./usr/share/bash-completion/completions/tessomar-calc \
              ./usr/share/doc/tessomar/examples/flat-top.txt ./usr/share/doc/tessomar/examples/qualification.txt; do
    grep -q " $path\$" <<<"$listing" || { echo "the .deb lacks $path"; return 1; }
  done
}
check "the .deb holds the programs, desktop entry, metainfo, icons, licence, changelog, manuals, completion and example profiles" contents_ok
# Errors and hardening tags fail the check; other warnings and notes are
# printed for a look.
lintian --fail-on error --display-info "$deb" >"$stage/lintian.log" 2>&1
lintian_rc=$?
cat "$stage/lintian.log"
check "lintian finds no error in the .deb" test "$lintian_rc" -eq 0
check "lintian finds no hardening tag (fortify, stack protector, relro, bindnow)" \
  bash -c '! grep -E "^[EWIPX]: [^ ]+: hardening-" "$1"' _ "$stage/lintian.log"

# ---- install it here and start the installed program once
install_deb() {
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$deb" >/dev/null
}
check "apt-get installs the .deb" install_deb
check "dpkg knows tessomar 5.1" \
  bash -c '[ "$(dpkg-query -W -f="\${Version} \${Status}" tessomar)" = "5.1 install ok installed" ]'
check "the installed tessomar-calc computes" \
  bash -c '/usr/bin/tessomar-calc sine A=250 F=50 | grep -q "^Velocity  *307.2 ips pk"'

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 -u "$fd" display || display=''
export DISPLAY=":$display"
runtime=$stage/runtime
mkdir -m 700 "$runtime"
if [ -n "$display" ]; then
  XDG_RUNTIME_DIR=$runtime /usr/bin/tessomar >"$stage/tessomar.log" 2>&1 &
  app_pid=$!
fi
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tessomar 5\.1$' 2>/dev/null | head -1)
check "the installed program shows its window" test -n "$window"
# grep reads whole texts here: with pipefail an early exit of grep -q in a
# pipe would fail the writer with SIGPIPE.
# The program sets its icon just after its first frame: give it a moment.
icon_set() {
  for _ in $(seq 30); do
    grep -q 'Icon (' <<<"$(xprop -id "$window" _NET_WM_ICON 2>/dev/null)" && return 0
    sleep 0.1
  done
  return 1
}
# A desktop ties the window to its entry (name and icon in a dock) by class.
wm_class_matches() {
  local class
  class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/org.tessomar.Tessomar.desktop)
  [ -n "$class" ] && grep -qF "\"$class\"" <<<"$(xprop -id "$window" WM_CLASS)"
}
if [ -n "$window" ]; then
  check "the window carries the application icon" icon_set
  check "the window's class matches the desktop entry" wm_class_matches
fi
if [ -n "$app_pid" ]; then
  check "the installed program is still running" kill -0 "$app_pid"
  [ "$failed" -gt 0 ] && cat "$stage/tessomar.log"
fi
finish
