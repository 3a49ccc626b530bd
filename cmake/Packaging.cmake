# The Debian package, built by CPack from the install rules (scripts/package.sh):
#   cpack -G DEB   in a build folder configured with -DCMAKE_INSTALL_PREFIX=/usr
set(TINTARA_MAINTAINER "Tintara developers <developers@tintara.org>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintara)
set(CPACK_PACKAGE_VENDOR "Tintara developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TINTARA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker for the five colours of a web page")
# Lines of at most 80 characters; CPack indents them and marks the empty line.
set(CPACK_PACKAGE_DESCRIPTION
    "Tintara is a tool for web designers who choose the colours of a web page.
Pick a colour from a palette of 198 web colours, refine it on a brightness
strip, or type it as hue, saturation and brightness, as red, green and blue,
or as a hexadecimal code, and give it to the background, text, link, visited
link or active link colour. A sample display shows the five colours together.

The program keeps the source of a sample page up to date as plain HTML and as
XHTML with a style sheet, previews the page in a browser window, saves it, and
saves and opens colour schemes. Sample schemes with readable contrast are
included.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TINTARA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends come from the shared libraries that the program and its browser library link; the
# browser library is an installed shared object, so its engine's packages are among them. The
# window-system plugin that every Qt window needs is loaded at run time and named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# No maintainer scripts: the MIME type in /usr/share/mime/packages and the desktop entry in
# /usr/share/applications reach the system's databases through the file triggers of
# shared-mime-info and desktop-file-utils, which dpkg runs whenever a package installs or removes
# files in those folders.

include(CPack)
