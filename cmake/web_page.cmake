# The browser build's outputs beside each other in the build folder: plumfall.js
# (loader), plumfall.wasm, plumfall.data (the game data and the font, unpacked to
# /game and /fonts at start-up) and index.html, the page that shows them.
set(PLUMFALL_WEB_DATA "" CACHE PATH "A run folder of game data made by the desktop build (mkassets)")
if(NOT EXISTS "${PLUMFALL_WEB_DATA}/script.lua")
  message(FATAL_ERROR "PLUMFALL_WEB_DATA: no script.lua in '${PLUMFALL_WEB_DATA}'")
endif()
find_file(PLUMFALL_WEB_FONT LiberationSans-Regular.ttf PATHS /usr/share/fonts/truetype/liberation
  REQUIRED NO_CMAKE_FIND_ROOT_PATH)

set_target_properties(plumfall PROPERTIES SUFFIX ".js")
target_link_options(plumfall PRIVATE
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=0
  "SHELL:--preload-file ${PLUMFALL_WEB_DATA}@/game"
  "SHELL:--preload-file ${PLUMFALL_WEB_FONT}@/fonts/LiberationSans-Regular.ttf"
  "SHELL:--exclude-file .assets-stamp")
# Relinks when the data changes; the stamp is the data folder's own.
file(GLOB_RECURSE PLUMFALL_WEB_DATA_FILES CONFIGURE_DEPENDS ${PLUMFALL_WEB_DATA}/*)
set_property(TARGET plumfall APPEND PROPERTY LINK_DEPENDS ${PLUMFALL_WEB_DATA_FILES} ${PLUMFALL_WEB_FONT})

configure_file(${CMAKE_SOURCE_DIR}/web/index.html ${CMAKE_BINARY_DIR}/index.html COPYONLY)
configure_file(${PLUMFALL_WEB_DATA}/plumfall.png ${CMAKE_BINARY_DIR}/plumfall.png COPYONLY)
