#!/bin/sh
# Builds the libraries the browser build links, with emcc, from Debian's own
# source packages (apt-get source): Lua 5.1, Chipmunk 7, TinyXML, FreeType.
# Emscripten's ports would download from elsewhere and its cache is read-only
# here, so nothing comes from them.
#
#   sh scripts/web-deps.sh DIR
# leaves DIR/include and DIR/lib; a library already built at the same source
# version is kept.
set -e
out=$(realpath -m "${1:?usage: web-deps.sh DIR}")
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
# Debian's emscripten finds its JavaScript modules (acorn) only there.
export NODE_PATH=/usr/share/nodejs
mkdir -p "$out/src" "$out/include" "$out/lib"

# apt-get source needs a deb-src line for the archive the machine installs from.
has_deb_src() {
    grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/
}
if ! has_deb_src; then
    echo "web-deps: adding Debian's source lines beside the binary ones" >&2
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && grep -q '^Types: deb$' "$f" || continue
        sed 's/^Types: deb$/Types: deb-src/' "$f" |
            $SUDO tee "/etc/apt/sources.list.d/src-$(basename "$f")" >/dev/null
    done
    if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            $SUDO tee /etc/apt/sources.list.d/src-sources.list >/dev/null
    fi
    $SUDO apt-get update -qq
fi

# fetch PACKAGE: unpacks (with Debian's patches) into $out/src, prints the folder.
fetch() {
    version=$(apt-cache showsrc "$1" | sed -n 's/^Version: //p' | head -n 1)
    if [ -z "$version" ]; then
        $SUDO apt-get update -qq
        version=$(apt-cache showsrc "$1" | sed -n 's/^Version: //p' | head -n 1)
    fi
    dir="$out/src/$1-$version"
    if [ ! -f "$dir/.unpacked" ]; then
        rm -rf "$dir" && mkdir -p "$dir"
        (cd "$dir" && apt-get source -qq "$1=$version" >/dev/null 2>&1) ||
            (cd "$dir" && apt-get source "$1=$version" >&2)
        touch "$dir/.unpacked"
    fi
    find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# built NAME SRC: true when lib NAME was already built from SRC by this script as it is.
recipe=$(cksum <"$0")
built() { [ -f "$out/lib/lib$1.a" ] && [ "$(cat "$out/lib/.$1" 2>/dev/null)" = "$2 $recipe" ]; }
done_with() { echo "$2 $recipe" >"$out/lib/.$1"; }

# compile LIB CC FLAGS... -- SOURCES...: objects in $out/obj/LIB, archived.
compile() {
    lib=$1 cc=$2; shift 2
    flags=""
    while [ "$1" != "--" ]; do flags="$flags $1"; shift; done
    shift
    rm -rf "$out/obj/$lib" && mkdir -p "$out/obj/$lib"
    pids=""
    for s in "$@"; do
        # shellcheck disable=SC2086
        $cc $flags -c "$s" -o "$out/obj/$lib/$(basename "$s").o" &
        pids="$pids $!"
        [ "$(echo $pids | wc -w)" -ge "$(nproc)" ] && { for p in $pids; do wait "$p"; done; pids=""; }
    done
    for p in $pids; do wait "$p"; done
    rm -f "$out/lib/lib$lib.a"
    emar rcs "$out/lib/lib$lib.a" "$out/obj/$lib"/*.o
}

src=$(fetch lua5.1)
if ! built lua5.1 "$src"; then
    echo "web-deps: Lua from $src" >&2
    printf '#define DEB_HOST_MULTIARCH "wasm32-emscripten"\n' >"$src/src/lua5.1-deb-multiarch.h"
    compile lua5.1 emcc -O2 -w -DLUA_USE_POSIX -- $(ls "$src"/src/*.c | grep -vE '/(lua|luac|print)\.c$')
    mkdir -p "$out/include/lua5.1"
    cp "$src"/src/lua.h "$src"/src/luaconf.h "$src"/src/lualib.h "$src"/src/lauxlib.h \
        "$src"/src/lua5.1-deb-multiarch.h "$src"/etc/lua.hpp "$out/include/lua5.1/"
    done_with lua5.1 "$src"
fi

src=$(fetch chipmunk)
if ! built chipmunk "$src"; then
    echo "web-deps: Chipmunk from $src" >&2
    # The threaded space is left out: the game steps one space on one thread.
    # Assertions stay on, as in Debian's own build.
    compile chipmunk emcc -O2 -std=gnu99 -I"$src/include" -- \
        $(ls "$src"/src/*.c | grep -v cpHastySpace)
    rm -rf "$out/include/chipmunk" && cp -r "$src/include/chipmunk" "$out/include/"
    done_with chipmunk "$src"
fi

src=$(fetch tinyxml)
if ! built tinyxml "$src"; then
    echo "web-deps: TinyXML from $src" >&2
    compile tinyxml em++ -O2 -DTIXML_USE_STL -- \
        "$src/tinyxml.cpp" "$src/tinyxmlparser.cpp" "$src/tinyxmlerror.cpp" "$src/tinystr.cpp"
    # Debian's header defines TIXML_USE_STL itself, as its library is built with it.
    sed 's|^#ifndef TINYXML_INCLUDED|#ifndef TIXML_USE_STL\n#define TIXML_USE_STL\n#endif\n&|' \
        "$src/tinyxml.h" >"$out/include/tinyxml.h"
    cp "$src/tinystr.h" "$out/include/"
    done_with tinyxml "$src"
fi

src=$(fetch freetype)
if ! built freetype "$src"; then
    echo "web-deps: FreeType from $src" >&2
    # The modules a TrueType face needs, as FreeType's own "build by hand" lists them.
    s="$src/src"
    printf '%s\n' "FT_USE_MODULE( FT_Module_Class, autofit_module_class )" \
        "FT_USE_MODULE( FT_Driver_ClassRec, tt_driver_class )" \
        "FT_USE_MODULE( FT_Module_Class, psnames_module_class )" \
        "FT_USE_MODULE( FT_Module_Class, sfnt_module_class )" \
        "FT_USE_MODULE( FT_Renderer_Class, ft_smooth_renderer_class )" \
        "FT_USE_MODULE( FT_Renderer_Class, ft_raster1_renderer_class )" >"$src/ftmodule-web.h"
    compile freetype emcc -O2 -DFT2_BUILD_LIBRARY '-DFT_CONFIG_MODULES_H="ftmodule-web.h"' \
        -I"$src" -I"$src/include" -- \
        "$s/base/ftsystem.c" "$s/base/ftinit.c" "$s/base/ftdebug.c" "$s/base/ftbase.c" \
        "$s/base/ftbbox.c" "$s/base/ftglyph.c" "$s/base/ftbitmap.c" "$s/base/ftsynth.c" \
        "$s/base/ftmm.c" "$s/truetype/truetype.c" "$s/sfnt/sfnt.c" "$s/smooth/smooth.c" \
        "$s/raster/raster.c" "$s/psnames/psnames.c" "$s/autofit/autofit.c" \
        "$s/gzip/ftgzip.c" "$s/lzw/ftlzw.c"
    rm -rf "$out/include/freetype2" && mkdir -p "$out/include/freetype2"
    cp -r "$src/include/." "$out/include/freetype2/"
    done_with freetype "$src"
fi
