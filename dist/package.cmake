# The Debian package that `make package` builds from an installation under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vantor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "beta spectrum measurement with a Wien filter (physics competition task)")
set(CPACK_PACKAGE_DESCRIPTION
    "The computer task of a national physics competition: the contestant measures
the energy spectrum of a C-14 beta source with a Wien filter (crossed electric
and magnetic fields), a slit and a detector. Electrons are drawn from the
source spectrum, flown through the fields and counted at the detector; each
contestant works in a folder of their own. The user interface is Hungarian.

The package holds the window (vantor) and the same measurement and a whole
spectrum scan from the command line (vantor-cli).")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vantor developers <vantor@vantor.hu>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the typeface that
# stands in for the window's own, a sans-serif one for Qt's own texts (with
# the Liberation fonts alone, fontconfig picks the monospaced one for them),
# and Qt's Hungarian texts for its standard buttons and dialogs. The X11
# platform plugin comes with libqt6gui6, which the programs link; the
# Wayland one is separate.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
