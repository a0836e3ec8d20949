# SPDX-License-Identifier: MIT
# `make package`: a Debian package, kadrel_<version>_<arch>.deb, installing
# under /usr. dpkg-shlibdeps works out the shared libraries it needs; what it
# cannot see is listed by hand: Qt's X11 platform plugin, loaded at run time,
# and the camera database that kadrel-photo reads (its libraries, Exiv2 and
# lensfun, come from the helper's own links).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kadrel)
set(CPACK_PACKAGE_VENDOR "kadrel contributors")
set(CPACK_PACKAGE_CONTACT "kadrel contributors <kadrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "see what a camera and lens frame and hold sharp")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "kadrel is a small desktop calculator for one digital camera with one lens."
    "From the sensor's size and resolution, the focal length and the aperture it"
    "shows the angles of view, the pixel pitch and a graph of image scale against"
    "subject distance, and for the distance under the graph's cursor the"
    "hyperfocal distance, the field of view and the depth of field.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://kadrel.example.org)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, liblensfun-data-v1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation")
include(CPack)
