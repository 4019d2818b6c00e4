# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by cpack from the build tree:
#   cpack --config build/CPackConfig.cmake   (scripts/package.sh does it all)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lumaro developers")
set(CPACK_PACKAGE_CONTACT ${LUMARO_MAINTAINER})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tutor for arithmetic word problems")
set(CPACK_PACKAGE_DESCRIPTION
"Lumaro teaches pupils from the fourth year of primary school to junior
middle school to solve arithmetic word problems: find the quantity
relationship, and from it write an expression or an equation in x. It has
five problem types, narrated worked examples, practice with every answer
judged at once, and ten-problem tests that are graded, saved and printed.
The interface is in Simplified Chinese.

The package also holds lumaro-bank, which judges answers, builds,
checks and lists problem banks, and makes a program folder with its own
menu entry for a teacher's banks, and the sources of the five banks, for
teachers who write banks of their own.")
set(CPACK_STRIP_FILES TRUE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LUMARO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LUMARO_MAINTAINER})
# The libraries come from the binaries; what is loaded at run time is named here: the
# fonts the windows are drawn in, the GStreamer elements Qt Multimedia plays sounds
# through, and Qt's own Chinese texts for its dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-noto-cjk, fonts-lxgw-wenkai, fonts-arphic-uming, fonts-arphic-ukai, fonts-wqy-zenhei, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-translations-l10n")
# The sound plays through PulseAudio's interface: the server itself, or PipeWire's stand-in
# for it, as Debian 12 and its derivatives install one or the other.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
# To speak and encode the narration of a teacher's own bank.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "espeak-ng, sox, opus-tools")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# xz, as Debian's own packages.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_THREADS 0)

include(CPack)
