# What `cmake --install` puts where (relative destinations, so any prefix
# works), and the Debian package `cpack -G DEB` makes of it. Only the game is
# installed: no tests, no tools.

# Installing and packaging take the game as built; they do not build every
# test and tool first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS brindlemoor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY Resources Shader DESTINATION ${CMAKE_INSTALL_DATADIR}/brindlemoor
  PATTERN icons EXCLUDE)
install(FILES packaging/brindlemoor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES Resources/icons/brindlemoor.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES README.md config.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brindlemoor)
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brindlemoor/docs)

set(CPACK_PACKAGE_NAME brindlemoor)
set(CPACK_PACKAGE_VENDOR "Brindlemoor")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "typing game: type the word on the blackboard before the boy walks into it")
set(CPACK_PACKAGE_DESCRIPTION "A small third-person 3D typing game. A boy walks down a school corridor;\n\
every straight stretch has a blackboard with a chalk word. Type it before he\n\
walks into the board.")
set(CPACK_PACKAGE_CONTACT "Brindlemoor maintainers <maintainers@users.noreply.c-seed-3e9371f3.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Depends from the libraries the game really links (dpkg-shlibdeps), plus the
# Mesa drivers that give it OpenGL when the machine has no other.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
set(CPACK_STRIP_FILES ON)
include(CPack)
