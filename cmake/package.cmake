# The Debian package matquiz_VERSION_ARCH.deb, made by `cpack -G DEB` in the
# build folder: what `cmake --install` puts under /usr, with the shared
# libraries it needs as its dependencies. VERSION is the one
# `packets --version` prints.
file(STRINGS ${PROJECT_SOURCE_DIR}/packets/driver/main.cpp version_line
     REGEX "\"packets \\([^)]*\\) [0-9.]+\"")
string(REGEX MATCH "[0-9]+(\\.[0-9]+)*\"" MATQUIZ_VERSION "${version_line}")
string(REPLACE "\"" "" MATQUIZ_VERSION "${MATQUIZ_VERSION}")
if(NOT MATQUIZ_VERSION)
  message(FATAL_ERROR "no version line found in packets/driver/main.cpp")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${MATQUIZ_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bible quiz packets on the Gospel of Matthew")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "databuild turns the hand-edited question database Mat.dsk into question data files;\n"
       "packets makes up to 150 quizzes from a stored quiz style as a printable packet file\n"
       "and a usage record. Both are full-screen programs for an 80x25 terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "matquiz developers <matquiz@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS man-db)
include(CPack)
