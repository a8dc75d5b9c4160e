# The browser build (emcmake): the same library targets, linked against
# Emscripten's SDL 1.2, SDL_mixer and WebGL, and against Lua, Chipmunk, TinyXML
# and FreeType built by scripts/web-deps.sh into PLUMFALL_WEB_DEPS.
# Assimp and fontconfig have no part here: the targets that name them are empty.
set(PLUMFALL_WEB_DEPS "" CACHE PATH "Folder of the libraries scripts/web-deps.sh built")
if(NOT EXISTS "${PLUMFALL_WEB_DEPS}/lib/liblua5.1.a")
  message(FATAL_ERROR "PLUMFALL_WEB_DEPS: run scripts/web-deps.sh DIR first and pass DIR")
endif()

# Both sides of a C++ exception (thrown in one library, caught in another) need it on.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

function(plumfall_web_target name)
  cmake_parse_arguments(T "" "" "INCLUDE;LIBS;OPTIONS" ${ARGN})
  add_library(${name} INTERFACE IMPORTED)
  if(T_INCLUDE)
    target_include_directories(${name} INTERFACE ${T_INCLUDE})
  endif()
  if(T_LIBS)
    target_link_libraries(${name} INTERFACE ${T_LIBS})
  endif()
  if(T_OPTIONS)
    target_compile_options(${name} INTERFACE ${T_OPTIONS})
    target_link_options(${name} INTERFACE ${T_OPTIONS})
  endif()
endfunction()

set(D ${PLUMFALL_WEB_DEPS})
plumfall_web_target(PkgConfig::SDL OPTIONS -sUSE_SDL=1)
plumfall_web_target(PkgConfig::SDLMIXER)
plumfall_web_target(PkgConfig::LUA INCLUDE ${D}/include/lua5.1 LIBS ${D}/lib/liblua5.1.a)
plumfall_web_target(PkgConfig::TINYXML INCLUDE ${D}/include LIBS ${D}/lib/libtinyxml.a)
plumfall_web_target(PkgConfig::FREETYPE INCLUDE ${D}/include/freetype2 LIBS ${D}/lib/libfreetype.a)
plumfall_web_target(PkgConfig::FONTCONFIG)
plumfall_web_target(PkgConfig::ASSIMP)
plumfall_web_target(OpenGL::GL)
plumfall_web_target(Chipmunk::chipmunk INCLUDE ${D}/include ${D}/include/chipmunk LIBS ${D}/lib/libchipmunk.a)
find_path(STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb REQUIRED NO_CMAKE_FIND_ROOT_PATH)
plumfall_web_target(Stb::stb INCLUDE ${STB_INCLUDE_DIR})
