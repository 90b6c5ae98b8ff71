# The Debian package quorvel_<version>_amd64.deb (make package): what `make install` installs,
# below /usr, the program stripped, its library dependencies computed by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGE_CONTACT "${QV_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop calculator with a tape")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvel is a two-field calculator in the manner of an adding machine, with a
German user interface. Every calculation is written line by line to a tape
beside it, which can be edited, saved, printed and handed to a word processor.
Panels convert units and compute trigonometric functions, function terms and
taxes; a currency converter, a function graph, a finance calculator and a
home-ownership subsidy calculator come with it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QV_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Arial's metric twin: the windows are laid out for it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# German texts in the toolkit's own file, colour and printer dialogs; the desktop's opener for
# the help page, files and web pages; the certificates the bank's https address is checked with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils, ca-certificates")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
