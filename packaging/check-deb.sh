#!/usr/bin/env bash
# Inspects a built package: prints its control fields and contents, and fails when a file the
# program needs is missing or a library its binaries load has no Depends entry.
# Usage: packaging/check-deb.sh zarnix_VERSION_amd64.deb
set -euo pipefail
deb=${1:?usage: packaging/check-deb.sh zarnix_VERSION_amd64.deb}
cd "$(dirname "$0")/.."

dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

fail() { echo "check-deb: $*" >&2; exit 1; }
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
expected=(./usr/bin/zarnix ./usr/bin/zarnix-cli
          ./usr/share/applications/org.zarnix.zarnix.desktop
          ./usr/share/metainfo/org.zarnix.zarnix.metainfo.xml
          ./usr/share/icons/hicolor/scalable/apps/org.zarnix.zarnix.svg
          ./usr/share/icons/hicolor/48x48/apps/org.zarnix.zarnix.png
          ./usr/share/man/man1/zarnix.1.gz ./usr/share/man/man1/zarnix-cli.1.gz)
# Every data file, those in subfolders (data/examples) too.
while IFS= read -r file; do
  expected+=("./usr/share/zarnix/${file#data/}")
done < <(find data -type f ! -name CMakeLists.txt | sort)
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$contents" || fail "missing from the package: $path"
done

# Every shared library the binaries load must come from a package named in Depends; the
# font and the Qt platform plugins are loaded at run time and are named explicitly.
depends=$(dpkg-deb --field "$deb" Depends)
# Package names of Depends, one a line, without version constraints.
dep_names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
has_dep() { grep -qxF "$1" <<<"$dep_names"; }
for pkg in fonts-wqy-microhei qt6-qpa-plugins; do
  has_dep "$pkg" || fail "Depends lacks $pkg"
done
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb --extract "$deb" "$tree"
for lib in $(objdump -p "$tree"/usr/bin/* | awk '/NEEDED/ {print $2}' | sort -u); do
  owner=$(dpkg -S "/usr/lib/x86_64-linux-gnu/$lib" 2>/dev/null || dpkg -S "/lib/x86_64-linux-gnu/$lib" 2>/dev/null) ||
    fail "no installed package holds $lib"
  pkg=${owner%%:*}
  has_dep "$pkg" || fail "Depends lacks $pkg (for $lib)"
  echo "check-deb: $lib <- $pkg"
done
echo "check-deb: $deb is complete"
