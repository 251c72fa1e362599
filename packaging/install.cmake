# What `cmake --install` puts where (relative destinations, so any prefix
# works), and the Debian package `cpack -G DEB` makes of it. Only the game and
# its documents are installed: no tests, no tools.

# Installing and packaging take the game as built; they do not build every
# test and tool first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The manual page and the bash completion are written from the game's table
# of options whenever the game is built; the changelog is compressed as Debian
# wants it (gzip -9n: no name, no time stamp, the same bytes on every build).
find_program(BRINDLEMOOR_GZIP gzip REQUIRED)
add_executable(brindlemoor_docgen tools/docgen/main.cpp tools/docgen/ManPage.cpp tools/docgen/BashCompletion.cpp)
target_link_libraries(brindlemoor_docgen PRIVATE brindlemoor_core)
target_compile_options(brindlemoor_docgen PRIVATE -Wall -Wextra)
set(BRINDLEMOOR_DOCS ${PROJECT_BINARY_DIR}/docs)
add_custom_command(
  OUTPUT ${BRINDLEMOOR_DOCS}/brindlemoor.6 ${BRINDLEMOOR_DOCS}/brindlemoor.6.gz ${BRINDLEMOOR_DOCS}/brindlemoor
         ${BRINDLEMOOR_DOCS}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${BRINDLEMOOR_DOCS}
  COMMAND brindlemoor_docgen ${BRINDLEMOOR_DOCS}/brindlemoor.6 ${BRINDLEMOOR_DOCS}/brindlemoor
          ${PROJECT_VERSION} ${BRINDLEMOOR_RELEASE_DATE} ${BRINDLEMOOR_FULL_DATADIR}
  COMMAND ${BRINDLEMOOR_GZIP} -9nkf ${BRINDLEMOOR_DOCS}/brindlemoor.6
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/changelog ${BRINDLEMOOR_DOCS}/changelog
  COMMAND ${BRINDLEMOOR_GZIP} -9nf ${BRINDLEMOOR_DOCS}/changelog
  DEPENDS brindlemoor_docgen packaging/changelog
  COMMENT "Writing the manual page and the bash completion")
add_custom_target(brindlemoor_docs DEPENDS ${BRINDLEMOOR_DOCS}/brindlemoor.6.gz)
# Building the game builds what installing it needs.
add_dependencies(brindlemoor brindlemoor_docs)

# Debian keeps games in /usr/games and their data in /usr/share/games: an
# install into /usr (the package is one) takes that layout, any other prefix
# GNUInstallDirs' bin/ and share/brindlemoor. Decided when installing, so that
# `cmake --install --prefix` and cpack choose by where the files go.
install(CODE "
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(BRINDLEMOOR_BINDIR games)
    set(BRINDLEMOOR_DATADIR share/games/brindlemoor)
  else()
    set(BRINDLEMOOR_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(BRINDLEMOOR_DATADIR \"${CMAKE_INSTALL_DATADIR}/brindlemoor\")
  endif()")
install(TARGETS brindlemoor RUNTIME DESTINATION \${BRINDLEMOOR_BINDIR})
install(DIRECTORY Resources Shader DESTINATION \${BRINDLEMOOR_DATADIR} PATTERN icons EXCLUDE)

set(BRINDLEMOOR_APP_ID io.github.brindlemoor.Brindlemoor)
install(FILES packaging/${BRINDLEMOOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${BRINDLEMOOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES Resources/icons/brindlemoor.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES ${BRINDLEMOOR_DOCS}/brindlemoor.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${BRINDLEMOOR_DOCS}/brindlemoor DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES README.md config.txt packaging/copyright ${BRINDLEMOOR_DOCS}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brindlemoor)
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
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends from the libraries the game really links (dpkg-shlibdeps), plus the
# Mesa drivers that give it OpenGL when the machine has no other.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
set(CPACK_STRIP_FILES ON)
include(CPack)
