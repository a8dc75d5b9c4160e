# `make install` and the Debian package (debian/): Debian's games layout under the prefix.
#   <prefix>/games                     the three programs
#   <prefix>/share/games/plumfall      the game data (the programs find it from their own folder)
#   <prefix>/share/applications, metainfo, icons/hicolor, man/man6

# Neither this project nor its store entry has a home yet: both go into the
# AppStream file and can be set when configuring.
set(PLUMFALL_APP_ID "example.plumfall.Plumfall" CACHE STRING "AppStream component id (reverse DNS)")
set(PLUMFALL_HOMEPAGE "https://plumfall.example" CACHE STRING "Home page; the screenshot is <home page>/docs/menu-start.png")

install(TARGETS plumfall plumfall-console plumfall-headless DESTINATION ${PLUMFALL_INSTALL_BINDIR})

# What mkassets makes, the committed data and the console's demo files; not
# whatever else a run may have left in the build's run folder.
install(DIRECTORY ${CMAKE_BINARY_DIR}/run/ DESTINATION ${PLUMFALL_INSTALL_DATADIR}
  FILES_MATCHING PATTERN "*.png" PATTERN "*.wav" PATTERN "*.mp3")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${PLUMFALL_INSTALL_DATADIR})
install(FILES ${CMAKE_SOURCE_DIR}/tools/console/demo.lua DESTINATION ${PLUMFALL_INSTALL_DATADIR}
  RENAME console_demo.lua)

install(FILES ${CMAKE_SOURCE_DIR}/dist/plumfall.desktop DESTINATION share/applications)
configure_file(${CMAKE_SOURCE_DIR}/dist/plumfall.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/dist/${PLUMFALL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${PLUMFALL_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION share/icons/hicolor)
# Each manual page takes its OPTIONS from its program's --help.
set(pages "")
foreach(page plumfall plumfall-console plumfall-headless)
  set(out ${CMAKE_BINARY_DIR}/dist/${page}.6)
  add_custom_command(OUTPUT ${out}
    COMMAND sh ${CMAKE_SOURCE_DIR}/dist/man/manpage.sh $<TARGET_FILE:${page}>
      ${CMAKE_SOURCE_DIR}/dist/man/${page}.6.in ${out} ${PROJECT_VERSION}
    DEPENDS ${page} ${CMAKE_SOURCE_DIR}/dist/man/${page}.6.in ${CMAKE_SOURCE_DIR}/dist/man/manpage.sh
    COMMENT "Manual page ${page}(6), its options from ${page} --help")
  list(APPEND pages ${out})
  install(FILES ${out} DESTINATION share/man/man6)
endforeach()
add_custom_target(manpages ALL DEPENDS ${pages})
