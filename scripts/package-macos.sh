#!/usr/bin/env bash
# Turns the built Mac app into a disk image a player can download and open:
#   1. copies the bundle aside (the build tree's copy stays as built);
#   2. macdeployqt puts Qt's frameworks and the cocoa platform plug-in inside;
#      then no code in the bundle may name a library outside the bundle and
#      the system (check-bundle-links.py), since macdeployqt leaves what it
#      cannot resolve as it was;
#   3. every Mach-O file inside (frameworks, plug-ins, Contents/Helpers, any
#      binary under Contents/Resources) is signed, innermost first, and so is
#      every Mach-O file inside a wheel (unpacked, signed, packed again with
#      its RECORD made anew: the notary service looks inside archives); no
#      archive under Contents may still hold unsigned code; then the app with
#      its entitlements; with an identity, all with the hardened runtime and a
#      secure timestamp;
#   4. a disk image holding the app and a link to /Applications, signed;
#   5. with an identity, the image notarized by Apple and the ticket stapled;
#   6. the image's app checked: codesign --verify --deep --strict, Gatekeeper's
#      verdict (spctl --assess), and two launches of the app in the mounted
#      image: --cli alone must reach its usage error (status 2), and
#      --snapshot must write its PNG files through the cocoa platform plug-in
#      the bundle carries (QT_PLUGIN_PATH unset, so no Qt outside is found).
#
# Usage: scripts/package-macos.sh APP [OUTPUT_DIR]
#   APP         the built bundle, e.g. "build/macos/Velmora 3000 Installer.app"
#   OUTPUT_DIR  where the image goes (default: dist/ beside APP)
# Environment:
#   VLMR_SIGN_IDENTITY   the codesign identity ("Developer ID Application: …").
#                        Unset, empty or "-": ad hoc signing, without hardened
#                        runtime, timestamp or notarization; the image then opens
#                        only on Macs that are told to trust it (Gatekeeper
#                        rejects it).
#   VLMR_NOTARY_PROFILE  the notarytool keychain profile (made once with
#                        `xcrun notarytool store-credentials`); needed with an
#                        identity.
#   VLMR_MACDEPLOYQT     Qt's deployment tool (default: macdeployqt on PATH).
set -euo pipefail

die() {
  echo "package-macos: $*" >&2
  exit 1
}
note() { echo "package-macos: $*"; }

here="$(cd "$(dirname "$0")" && pwd)"
entitlements="$here/package-macos.entitlements"
link_check="$here/check-bundle-links.py"
archive_code="$here/archive-code.py"

if [ $# -lt 1 ] || [ $# -gt 2 ]; then die "usage: package-macos.sh APP [OUTPUT_DIR]"; fi
app="${1%/}"
[ -d "$app" ] || die "$app is not an app bundle; build the app first."
app="$(cd "$app" && pwd)"
out="${2:-$(dirname "$app")/dist}"
info="$app/Contents/Info.plist"
[ -f "$info" ] || die "$app has no Contents/Info.plist; build the app first."

for tool in python3 perl ditto file otool codesign hdiutil xcrun spctl; do
  command -v "$tool" >/dev/null || die "$tool was not found; install Xcode's command-line tools."
done
macdeployqt="${VLMR_MACDEPLOYQT:-macdeployqt}"
command -v "$macdeployqt" >/dev/null ||
  die "$macdeployqt was not found; put Qt's bin folder on PATH or set VLMR_MACDEPLOYQT."

plist_value() {
  python3 -c 'import plistlib, sys
value = plistlib.load(open(sys.argv[1], "rb")).get(sys.argv[2], "")
print(value if isinstance(value, str) else "")' "$info" "$1" 2>/dev/null ||
    die "$info is not a readable property list."
}
executable="$(plist_value CFBundleExecutable)"
version="$(plist_value CFBundleShortVersionString)"
case "$executable" in
  "" | */* | . | ..) die "$info names no executable." ;;
esac
[ -f "$app/Contents/MacOS/$executable" ] || die "$app has no Contents/MacOS/$executable."
[ -n "$version" ] || die "$info has no CFBundleShortVersionString."

# The Linux build's stand-ins for Apple's tools must never ship: a bundle that
# carries them was not built on the Mac.
for standin in ditto PlistBuddy xcode-select xcrun; do
  [ ! -e "$app/Contents/Helpers/$standin" ] ||
    die "$app carries the Linux stand-in tools (Contents/Helpers/$standin); package a bundle built on the Mac."
done

identity="${VLMR_SIGN_IDENTITY:-}"
[ -n "$identity" ] || identity="-"
adhoc=0
[ "$identity" = "-" ] && adhoc=1
if [ $adhoc -eq 0 ] && [ -z "${VLMR_NOTARY_PROFILE:-}" ]; then
  die "VLMR_NOTARY_PROFILE is not set: a signed image needs notarizing (see xcrun notarytool store-credentials)."
fi
if [ $adhoc -eq 1 ]; then
  note "no VLMR_SIGN_IDENTITY: signing ad hoc, without hardened runtime, timestamp or notarization."
  note "Gatekeeper will reject the image on other Macs; use it for testing only."
  # No hardened runtime: it turns on library validation, which admits only
  # libraries signed by the app's own team, and an ad hoc signature names no
  # team, so dyld would refuse the bundled Qt frameworks and the app would not
  # start. No timestamp: Apple's timestamp service signs only for an identity.
  signing=(--force --sign - --timestamp=none)
else
  signing=(--force --sign "$identity" --options runtime --timestamp)
fi

# hdiutil attach -mountpoint wants an absolute path, and the launches below
# must not depend on the folder they are started from.
mkdir -p "$out" || die "cannot make the output folder $out."
out="$(cd "$out" && pwd)"
name="$(basename "$app")"
work="$out/.package"
image_root="$work/image"
staged="$image_root/$name"
mount_point="$work/mount"
dmg="$out/Velmora3000Installer-$version.dmg"
attached=0
cleanup() {
  if [ $attached -eq 1 ]; then hdiutil detach "$mount_point" -quiet || true; fi
}
trap cleanup EXIT

rm -rf "$work" "$dmg"
mkdir -p "$image_root" "$mount_point"

note "copying $name"
ditto "$app" "$staged"

note "deploying Qt"
"$macdeployqt" "$staged" -verbose=1
[ -f "$staged/Contents/PlugIns/platforms/libqcocoa.dylib" ] ||
  die "macdeployqt did not put the cocoa platform plug-in into the bundle."

# Every Mach-O file, each with its kind for the link check: a program of its
# own ("executable": the app, a helper) or code loaded into one ("loaded").
main="$staged/Contents/MacOS/$executable"
macho_files=()  # pairs: kind, path
while IFS= read -r -d '' path; do
  description="$(file -b "$path")"
  case "$description" in
    *Mach-O*) ;;
    *) continue ;;
  esac
  case "$path" in
    *$'\n'*) die "a file name in the bundle holds a line break: $path" ;;
  esac
  case "$description" in
    *executable*) macho_files+=(executable "$path") ;;
    *) macho_files+=(loaded "$path") ;;
  esac
done < <(find "$staged/Contents" -type f -print0)

note "checking the libraries the code loads"
link_status=0
link_report="$(python3 "$link_check" "$staged" "$main" ${macho_files[@]+"${macho_files[@]}"})" || link_status=$?
if [ $link_status -ne 0 ]; then
  [ -n "$link_report" ] || die "the library check failed without saying why."
  # Every leak is listed; the first one is the failure's sentence.
  printf '%s\n' "$link_report" | sed -n '2,$s/^/package-macos: also: /p'
  die "$(printf '%s\n' "$link_report" | sed -n 1p)"
fi

# Everything that holds code, innermost first: a framework is signed as a
# whole, any other Mach-O file on its own; the app's own executable is signed
# with the app.
code_items=()
index=1
while [ $index -lt ${#macho_files[@]} ]; do
  path="${macho_files[$index]}"
  index=$((index + 2))
  [ "$path" = "$main" ] && continue
  if [[ "$path" =~ ^(.*\.framework)/ ]]; then
    code_items+=("${BASH_REMATCH[1]}")
  else
    code_items+=("$path")
  fi
done

if [ ${#code_items[@]} -gt 0 ]; then
  while IFS= read -r item; do
    note "signing ${item#"$staged/"}"
    codesign "${signing[@]}" "$item"
  done < <(printf '%s\n' "${code_items[@]}" | LC_ALL=C sort -u |
             awk -F/ '{ print NF "\t" $0 }' | LC_ALL=C sort -t "$(printf '\t')" -k1,1nr -k2 |
             cut -f2-)
fi

# Wheels with compiled code: each Mach-O member signed like the rest, the
# wheel packed again in its own order with its RECORD hashes made anew, so
# pip still accepts it. A wheel without code is left as it is.
unpacked="$work/unpacked"
members_list="$work/members"
while IFS= read -r -d '' wheel; do
  rm -rf "$unpacked"
  python3 "$archive_code" unpack "$wheel" "$unpacked" >"$members_list" ||
    die "cannot unpack ${wheel#"$staged/"}."
  members=()
  while IFS= read -r -d '' member; do members+=("$member"); done <"$members_list"
  [ ${#members[@]} -gt 0 ] || continue
  for member in "${members[@]}"; do
    note "signing ${wheel#"$staged/"}: ${member#"$unpacked/"}"
    codesign "${signing[@]}" "$member"
  done
  python3 "$archive_code" repack "$wheel" "$unpacked" || die "cannot pack ${wheel#"$staged/"} again."
done < <(find "$staged/Contents" -type f -name '*.whl' -print0)
rm -rf "$unpacked" "$members_list"

note "checking that no archive holds unsigned code"
archive_status=0
archive_report="$(python3 "$archive_code" check "$staged/Contents")" || archive_status=$?
if [ $archive_status -ne 0 ]; then
  [ -n "$archive_report" ] || die "the archive check failed without saying why."
  printf '%s\n' "$archive_report" | sed -n '2,$s/^/package-macos: also: /p'
  die "Contents/$(printf '%s\n' "$archive_report" | sed -n 1p); the notary service would refuse it."
fi

note "signing $name"
codesign "${signing[@]}" --entitlements "$entitlements" "$staged"

note "making the disk image"
ln -s /Applications "$image_root/Applications"
# On hosted runners hdiutil create fails now and then with "Resource busy"
# while the system still holds a device it used: a few tries, a pause between.
tries=4
try=1
while :; do
  if made="$(hdiutil create -volname "Velmora 3000 Installer" -srcfolder "$image_root" \
    -fs HFS+ -format UDZO -ov "$dmg" 2>&1)"; then
    [ -z "$made" ] || printf '%s\n' "$made"
    break
  fi
  note "hdiutil create failed (try $try of $tries): ${made:-no reason given}"
  [ $try -lt $tries ] || die "hdiutil could not make the disk image in $tries tries; the last failure is above."
  try=$((try + 1))
  sleep 5
done
if [ $adhoc -eq 1 ]; then
  codesign --force --sign - --timestamp=none "$dmg"
else
  codesign --force --sign "$identity" --timestamp "$dmg"
fi

if [ $adhoc -eq 0 ]; then
  note "notarizing (this waits for Apple's answer)"
  if ! result="$(xcrun notarytool submit "$dmg" --keychain-profile "$VLMR_NOTARY_PROFILE" --wait 2>&1)"; then
    echo "$result"
    die "notarization failed; xcrun notarytool log with the id above tells why."
  fi
  echo "$result"
  grep -Eq '^[[:space:]]*status: Accepted[[:space:]]*$' <<<"$result" ||
    die "Apple did not accept the image; xcrun notarytool log with the id above tells why."
  xcrun stapler staple "$dmg"
  xcrun stapler validate "$dmg"
fi

note "checking the image's app"
hdiutil attach -nobrowse -readonly -noautoopen -mountpoint "$mount_point" "$dmg"
attached=1
[ -d "$mount_point/$name" ] || die "the disk image does not hold $name."
[ "$(readlink "$mount_point/Applications" || true)" = "/Applications" ] ||
  die "the disk image has no link to /Applications."
codesign --verify --deep --strict --verbose=2 "$mount_point/$name"
if [ $adhoc -eq 1 ]; then
  spctl --assess --type execute --verbose=2 "$mount_point/$name" ||
    note "Gatekeeper rejects the ad hoc signed app, as expected."
else
  spctl --assess --type execute --verbose=2 "$mount_point/$name" ||
    die "Gatekeeper rejects the app."
  spctl --assess --type open --context context:primary-signature --verbose=2 "$dmg" ||
    die "Gatekeeper rejects the disk image."
fi

# The app in the image must start: dyld has to find and accept every framework
# it links (a refused signature or a missing library ends it before main).
# --cli alone is a usage error, status 2, reached without touching any file.
launched="$mount_point/$name/Contents/MacOS/$executable"
note "starting $name from the disk image"
launch_status=0
launch_output="$("$launched" --cli </dev/null 2>&1)" || launch_status=$?
if [ $launch_status -ne 2 ]; then
  [ -z "$launch_output" ] || printf '%s\n' "$launch_output"
  die "the app in the disk image does not start: $executable --cli ended with status $launch_status instead of 2 (its usage error)."
fi

# --cli returns before Qt's GUI layer exists. The snapshots load it as a
# player's start does: the cocoa plug-in found through the bundle's qt.conf
# and accepted by library validation. QT_PLUGIN_PATH (which Qt's installers
# export) is unset, or a plug-in missing from the bundle would come from there.
# perl's alarm bounds the wait: a start that hangs must not hang the packaging.
snapshots="$work/snapshots"
mkdir -p "$snapshots"
note "rendering the pages with $name from the disk image"
snapshot_status=0
snapshot_output="$(env -u QT_PLUGIN_PATH QT_QPA_PLATFORM=cocoa perl -e 'alarm shift; exec @ARGV or exit 127' 120 \
  "$launched" --snapshot "$snapshots" </dev/null 2>&1)" || snapshot_status=$?
# Six pages, each in the light and the dark appearance.
expected_pngs=12
pngs=0
for png in "$snapshots"/*.png; do
  if [ -f "$png" ] && [ "$(head -c 4 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e47" ]; then
    pngs=$((pngs + 1))
  fi
done
if [ $snapshot_status -ne 0 ] || [ $pngs -ne $expected_pngs ]; then
  [ -z "$snapshot_output" ] || printf '%s\n' "$snapshot_output"
  die "the app in the disk image cannot draw its pages: $executable --snapshot ended with status $snapshot_status and wrote $pngs of $expected_pngs PNG files."
fi

hdiutil detach "$mount_point" -quiet
attached=0
rm -rf "$work"

note "wrote $dmg"
