# cpack -G DEB (from the build directory) gives jsdebug_<version>_amd64.deb, installed under /usr.
# The shared-library dependencies come from dpkg-shlibdeps; node is a program the engine starts,
# which no library scan can see, so it is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME jsdebug)
set(CPACK_PACKAGE_VENDOR "The jsdebug developers")
set(CPACK_PACKAGE_CONTACT "${JSDEBUG_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "workbench for the JavaScript that E-language programs call")
set(CPACK_PACKAGE_DESCRIPTION "\
Paste, open or download a script, type a call such as test('abc',123), run it
through the system script host (Duktape) or through V8 (Node), and read the
value with its elapsed milliseconds, or the error with its line. Around that:
beautify, minify, unpack p,a,c,k,e,d scripts, decode jsfuck, UTF-8 decoding,
MD5, and generated E-language source that calls the script. jsdebug-cli runs
the same commands from a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${JSDEBUG_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Babel is what the script rewriting (转为JScript) runs in its node child.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "nodejs (>= 18), node-babel7-standalone")
# Without a CJK font the window's Chinese shows as boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")

include(CPack)
