#!/usr/bin/env bash
# Fetches Debian's source package of SDL 1.2, libsdl1.2, and unpacks it with Debian's patches
# applied, for the Windows build: WORK_DIR/source is the source tree and WORK_DIR/version its
# Debian version. The machine's own Debian mirrors are asked for it through a private apt
# configuration in WORK_DIR that holds their deb-src entries; the machine's apt sources and lists
# are left as they are.
#   fetch-sdl-source.sh WORK_DIR
set -euo pipefail
work=$(realpath "$1")
apt=$work/apt
rm -rf "$apt" "$work/source" "$work"/libsdl1.2_*
mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d"
apt-get indextargets --format 'deb-src $(REPO_URI) $(RELEASE) $(COMPONENT)' \
    'Identifier: Packages' 'Origin: Debian' | sort -u >"$apt/sources.list"
if [[ ! -s $apt/sources.list ]]; then
    echo "no Debian mirror in apt's lists: run apt-get update" >&2
    exit 1
fi
cat >"$apt/apt.conf" <<CONF
Dir::Etc::SourceList "$apt/sources.list";
Dir::Etc::SourceParts "$apt/sources.list.d";
Dir::State::Lists "$apt/lists";
Dir::Cache "$apt/cache";
APT::Sandbox::User "$(id -un)";
CONF
export APT_CONFIG=$apt/apt.conf
apt-get update -qq
cd "$work"
apt-get source -qq --download-only libsdl1.2
dsc=$(echo libsdl1.2_*.dsc)
# apt has checked the files against the signed index already: the .dsc's own signature adds
# nothing, and the keyring for it is not on every machine.
dpkg-source --no-check -x "$dsc" source >/dev/null
sed -n 's/^Version: //p' "$dsc" >version
