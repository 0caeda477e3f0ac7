#!/usr/bin/env bash
# The release as scripts/release.sh leaves it in build/release/: the files a user installs, each
# once, their sums holding, and every entry of its zips dated by the release's last commit.
set -euo pipefail
cd "$(dirname "$0")/../.."
version=$(sed -n 's/^project(terne VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
cd build/release
expected=$(printf '%s\n' SHA256SUMS "terne-$version-setup.exe" "terne-$version-web.zip" \
    "terne-$version-win64.zip" "terne-$version-win32.zip" "terne_$version-1_$(dpkg --print-architecture).deb" |
    LC_ALL=C sort)
diff -u <(echo "$expected") <(find . -mindepth 1 -printf "%P\n" | LC_ALL=C sort)
sha256sum --check --strict --quiet SHA256SUMS
for zip in *.zip; do
    /usr/bin/python3 - "$zip" "$epoch" <<'PY'
import sys, time, zipfile
zip_path, epoch = sys.argv[1], int(sys.argv[2])
wanted = time.gmtime(epoch)[:5] + (time.gmtime(epoch)[5] // 2 * 2,)  # a zip keeps even seconds
dated = {info.date_time for info in zipfile.ZipFile(zip_path).infolist()}
if dated != {wanted}:
    sys.exit("%s: its entries are dated %s, the last commit %s" % (zip_path, sorted(dated), wanted))
PY
done
echo "release: $(wc -l <SHA256SUMS) files, their sums and dates hold"
