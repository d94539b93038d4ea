# Sourced by the build scripts after they set `here`: unchanged sources come
# from the compiler cache, also in a fresh clone in another folder, so a
# rebuild on the same machine costs little.
if command -v ccache >/dev/null 2>&1; then
    export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1
fi
