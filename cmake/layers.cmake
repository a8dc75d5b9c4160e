# The layers, held by the build. A third-party library is a PRIVATE dependency
# of the library that uses it, PUBLIC only where that library's own headers
# include it. Some of these headers sit in /usr/include, where any compiler
# finds them, so the include path alone cannot hold the rule: this check reads
# every target's sources and the project headers they include, and stops the
# configuration when a file includes a library its target does not link,
# directly or through a PUBLIC dependency.

# The library a header belongs to, by the path it is included as.
set(PLUMFALL_HEADER_OWNERS
  "^SDL/SDL_mixer" PkgConfig::SDLMIXER
  "^SDL/" PkgConfig::SDL
  "^GL/" OpenGL::GL
  "^assimp/" PkgConfig::ASSIMP
  "^(ft2build\\.h|freetype/)" PkgConfig::FREETYPE
  "^fontconfig/" PkgConfig::FONTCONFIG
  "^stb[_/]" Stb::stb
  "^(lua\\.hpp|lua\\.h|lauxlib\\.h|lualib\\.h)$" PkgConfig::LUA
  "^tinyxml\\.h$" PkgConfig::TINYXML
  "^chipmunk/" Chipmunk::chipmunk
  "^X11/" X11::X11)

# A file's own includes, read once: "lib|<library>|<header>" and "file|<path>".
function(_plumfall_includes_of file out)
  get_property(known GLOBAL PROPERTY "plumfall_includes:${file}" SET)
  if(known)
    get_property(found GLOBAL PROPERTY "plumfall_includes:${file}")
    set(${out} "${found}" PARENT_SCOPE)
    return()
  endif()
  set(found "")
  get_filename_component(dir "${file}" DIRECTORY)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "include[ \t]*([<\"])([^>\"]+)[>\"]")
      continue()
    endif()
    set(header "${CMAKE_MATCH_2}")
    if(CMAKE_MATCH_1 STREQUAL "\"")
      foreach(base "${dir}" "${CMAKE_SOURCE_DIR}")
        if(EXISTS "${base}/${header}")
          get_filename_component(path "${base}/${header}" REALPATH)
          list(APPEND found "file|${path}")
          break()
        endif()
      endforeach()
      continue()
    endif()
    set(owners ${PLUMFALL_HEADER_OWNERS})
    while(owners)
      list(POP_FRONT owners pattern library)
      if(header MATCHES "${pattern}")
        list(APPEND found "lib|${library}|${header}")
        break()
      endif()
    endwhile()
  endforeach()
  set_property(GLOBAL PROPERTY "plumfall_includes:${file}" "${found}")
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# What a target's files may include: what it links, and what those link PUBLIC.
function(_plumfall_visible target out)
  get_target_property(todo ${target} LINK_LIBRARIES)
  set(seen "")
  while(todo)
    list(POP_FRONT todo item)
    if(NOT item OR item MATCHES "^\\$<LINK_ONLY:" OR item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${item}")
    if(TARGET ${item})
      get_target_property(more ${item} INTERFACE_LINK_LIBRARIES)
      if(more)
        list(APPEND todo ${more})
      endif()
    endif()
  endwhile()
  set(${out} "${seen}" PARENT_SCOPE)
endfunction()

function(_plumfall_check_target target problems_var)
  get_target_property(type ${target} TYPE)
  if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
    return()
  endif()
  get_target_property(sources ${target} SOURCES)
  get_target_property(srcdir ${target} SOURCE_DIR)
  _plumfall_visible(${target} visible)
  set(todo "")
  foreach(s IN LISTS sources)
    get_filename_component(path "${s}" ABSOLUTE BASE_DIR "${srcdir}")
    if(EXISTS "${path}" AND path MATCHES "\\.(c|cpp|h)$")
      list(APPEND todo "${path}")
    endif()
  endforeach()
  set(seen "")
  set(found "${${problems_var}}")
  while(todo)
    list(POP_FRONT todo file)
    if(file IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${file}")
    _plumfall_includes_of("${file}" includes)
    foreach(inc IN LISTS includes)
      if(inc MATCHES "^file\\|(.*)")
        list(APPEND todo "${CMAKE_MATCH_1}")
      elseif(inc MATCHES "^lib\\|([^|]+)\\|(.*)")
        if(NOT CMAKE_MATCH_1 IN_LIST visible)
          file(RELATIVE_PATH rel "${CMAKE_SOURCE_DIR}" "${file}")
          list(APPEND found "${rel} (in ${target}) includes <${CMAKE_MATCH_2}> of ${CMAKE_MATCH_1}, which ${target} does not link")
        endif()
      endif()
    endforeach()
  endwhile()
  set(${problems_var} "${found}" PARENT_SCOPE)
endfunction()

function(plumfall_check_layers)
  set(dirs "${CMAKE_SOURCE_DIR}")
  set(problems "")
  while(dirs)
    list(POP_FRONT dirs dir)
    get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
    list(APPEND dirs ${subdirs})
    get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(t IN LISTS targets)
      _plumfall_check_target(${t} problems)
    endforeach()
  endwhile()
  if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "A file includes a library its target does not link:\n  ${text}\n"
      "Link the library to that target (PRIVATE), or PUBLIC to the library whose header includes it.")
  endif()
endfunction()
