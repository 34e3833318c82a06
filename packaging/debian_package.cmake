# The Debian package (tools/package.sh): whatever `cmake --install` puts under the prefix, made
# into a .deb by CPack.
set(CAVERNIA_PACKAGE_MAINTAINER "Cavernia Level Editor maintainers <maintainers@users.noreply.c-seed-80810acd.example>"
    CACHE STRING "Maintainer named in the Debian package")

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cavernia/examples)

# A native package keeps its Debian changelog as changelog.gz; the package check holds its
# newest version to the project's.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND gzip -9 --no-name --stdout ${CMAKE_CURRENT_SOURCE_DIR}/changelog > ${changelog}
  DEPENDS changelog)
add_custom_target(package_changelog ALL DEPENDS ${changelog})
install(FILES copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cavernia)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cavernia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${CAVERNIA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "level editor for the Cavernia gem-collecting game")
set(CPACK_PACKAGE_DESCRIPTION "\
Draw and edit the levels of the Cavernia gem-collecting game: fields of up to
126 x 126 cells, each empty or holding one of 50 game elements, with their
properties, stored as .lev text files. Levels open from a file manager.
.
The command-line tool cavernia-level checks, formats, describes and draws
level files and level packs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The install rules compute the desktop entry's Exec= from the prefix: it must be the final
# /usr, with the files staged under DESTDIR, not a prefix inside CPack's staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": the package holds no game, and lintian expects one there.
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X platform plugin comes with libqt6gui6, which the libraries bring in; what no library
# names is Qt's translations of its own dialogs, which the editor loads when it finds them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
