# Debian packages, one per install component:
#   libtolvex1          libtolvex.so.1
#   libtolvex-dev       headers, the .so links, the CMake package, tolvex.pc
#                       and the command-line tool tolvex-msg
#   libruvak3-standin1  our stand-in for the base library; it provides the
#                       virtual package libruvak3-1 that libtolvex1 depends on,
#                       so the real base library's package can take its place.
# `cpack --preset deb` (or `cmake --workflow --preset packages`) writes them
# to build/release/packages; the i386 build makes the i386 set.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TOLVEX_DEB_ARCH i386)
else()
  set(TOLVEX_DEB_ARCH amd64)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvex)
set(CPACK_PACKAGE_VENDOR "libtolvex developers")
set(CPACK_PACKAGE_CONTACT "libtolvex developers <tolvex@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_DEB_COMPONENT_INSTALL ON)
# The build keeps its debug information (the ABI check reads it); the
# packaged libraries are stripped.
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL runtime ruvak3 dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${TOLVEX_DEB_ARCH})
set(CPACK_DEBIAN_PACKAGE_SECTION libs)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libtolvex1)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
    "libruvak3-1, libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1")
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION
    "Message model and session vocabulary of the trading platform
The shared library that the platform's clients and transports link against:
messages, protocol constants, connection parameters, session status,
trading sessions, transport interfaces, exceptions and foundation utilities.")

set(CPACK_DEBIAN_RUVAK3_PACKAGE_NAME libruvak3-standin1)
set(CPACK_DEBIAN_RUVAK3_PACKAGE_PROVIDES libruvak3-1)
set(CPACK_DEBIAN_RUVAK3_PACKAGE_CONFLICTS libruvak3-1)
set(CPACK_DEBIAN_RUVAK3_PACKAGE_REPLACES libruvak3-1)
set(CPACK_DEBIAN_RUVAK3_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1")
set(CPACK_DEBIAN_RUVAK3_DESCRIPTION
    "Stand-in for the platform's base library
Bounded string functions, events, threads and date conversions that
libtolvex calls, written from what libtolvex expects of the base library.
The real base library's package replaces it.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libtolvex-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "libtolvex1 (= ${PROJECT_VERSION}), libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1")
set(CPACK_DEBIAN_DEV_DESCRIPTION
    "Development files of libtolvex
Headers, the CMake package tolvex (target tolvex::tolvex), tolvex.pc and
tolvex-msg, which reads messages in JSON, describes, dumps, normalises and
compares them, and names the protocol's tags, types and values.")

include(CPack)
