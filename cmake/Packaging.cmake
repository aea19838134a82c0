# The Debian package: `cpack -G DEB` in a Release build gives
# qingai-dashu_<version>-<release>_<arch>.deb for /usr. Its dependencies are
# the shared libraries the program links (found by dpkg-shlibdeps) and, while
# no font is bundled under data/fonts/, the CJK font the windows name.
#
# Also installs, for every install: the manual page, and the Debian copyright
# file and changelog beside LICENSE and CREDITS.md (lintian wants them there).

include(GNUInstallDirs)
set(DASHU_DEB_NAME qingai-dashu)
set(DASHU_DEB_RELEASE 1)
set(DASHU_DEB_VERSION ${PROJECT_VERSION}-${DASHU_DEB_RELEASE})
set(DASHU_DEB_MAINTAINER "The qingai-dashu developers <qingaidashu@users.noreply.github.com>")
set(DASHU_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${DASHU_DEB_NAME})
set(DASHU_DEB_STAGING ${CMAKE_BINARY_DIR}/debian)

find_program(GZIP_EXECUTABLE gzip REQUIRED)
# Debian wants manual pages and changelogs compressed to the maximum,
# without a time stamp, so that builds are reproducible.
function(dashu_gzip input output)
  execute_process(COMMAND ${GZIP_EXECUTABLE} -9nc ${input} OUTPUT_FILE ${output} COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
endfunction()

# The typefaces are built into the program, so their licence goes along.
set(DASHU_COPYRIGHT_PARTS ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${CMAKE_CURRENT_LIST_DIR}/debian/copyright-font)
file(WRITE ${DASHU_DEB_STAGING}/copyright "")
foreach(part IN LISTS DASHU_COPYRIGHT_PARTS)
  file(READ ${part} text)
  file(APPEND ${DASHU_DEB_STAGING}/copyright "${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${part})
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${DASHU_DEB_STAGING}/changelog.Debian @ONLY)
dashu_gzip(${DASHU_DEB_STAGING}/changelog.Debian ${DASHU_DEB_STAGING}/changelog.Debian.gz)
dashu_gzip(${PROJECT_SOURCE_DIR}/app/qingai-dashu.6 ${DASHU_DEB_STAGING}/qingai-dashu.6.gz)
install(FILES ${DASHU_DEB_STAGING}/copyright ${DASHU_DEB_STAGING}/changelog.Debian.gz DESTINATION ${DASHU_DOC_DIR})
install(FILES ${DASHU_DEB_STAGING}/qingai-dashu.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${DASHU_DEB_NAME})
set(CPACK_PACKAGE_VENDOR "The qingai-dashu developers")
set(CPACK_PACKAGE_CONTACT ${DASHU_DEB_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "summoned-beast skill book simulator (Chinese)")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop simulator, in Chinese, of the summoned-beast rules of an online\n"
    "role-playing game: roll a baby beast from 24 templates, hit it with any of\n"
    "88 skill books, certify an attack spell, correct its level and points, or\n"
    "build a beast by hand. It is a pastime that imitates the game's chances.\n"
    "It reads no files and saves nothing.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${DASHU_DEB_RELEASE})
# Not "games": that section asks for the program in /usr/games, which is
# not on root's PATH nor where `cmake --install` puts it.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/qingaidashu/qingai-dashu)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The built-in faces hold the program's own texts only; Chinese that users
# type beyond them (a beast's name, an element) draws in Noto CJK.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-noto-cjk)
# The kept beasts are stored through Qt SQL's SQLite plugin, which no
# library links and so shlibdeps cannot find.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6sql6-sqlite)
include(CPack)
