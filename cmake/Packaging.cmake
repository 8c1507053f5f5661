# The Debian package of the installation: `cpack` in the build folder makes
# quilmo_VERSION-RELEASE_amd64.deb, its dependencies read from the programs by dpkg-shlibdeps.
set(QUILMO_MAINTAINER "The Quilmo developers <quilmo@users.noreply.github.com>" CACHE STRING
    "Name and mail address of the Debian package's maintainer")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quilmo)
set(CPACK_PACKAGE_CONTACT "${QUILMO_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The packaging's own revision: the version stays the project's, the package not native.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# CPack leaves the lines as they are; Debian wants them under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Quilmo records what is stored on each CD, DVD or USB drive you feed it,
in plain-text catalogues, and finds any file again later without the disc in
the drive. It comes with quilmo-cli, the same library on the command line, the
catalogue viewer lornex and the catalogue splitter sundra.")

# What Debian asks of every package in its documentation folder: the copyright and the
# changelog of the packaging, compressed the way Debian tools compress it.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/quilmo)
configure_file(${PROJECT_SOURCE_DIR}/data/copyright.in copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${docdir})
execute_process(COMMAND date -R -u -d ${QUILMO_RELEASE_DATE}
                OUTPUT_VARIABLE QUILMO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/data/changelog.Debian.in changelog.Debian @ONLY)
quilmo_install_gzipped(${PROJECT_BINARY_DIR}/changelog.Debian ${docdir})

include(CPack)
