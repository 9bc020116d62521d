# The core's layers. Each is a static library linked only to the layers it may use, and two
# checks make the build fail when code runs upwards:
#   - every `#include "<layer>/..."` in a layer's folder must name the layer itself or one it may
#     use (SchichtIncludes.cmake, run before any layer compiles);
#   - every layer's whole archive is linked into an empty program with only the layers it may use,
#     so a call upwards leaves a symbol undefined.

set_property(GLOBAL PROPERTY ORBATO_SCHICHTEN "")

# What differs between the systems lives in <topic>_posix.cpp and <topic>_windows.cpp; a build
# takes the files of its target system and leaves the others.
function(orbato_fremdes_system_weglassen liste)
  if(WIN32)
    list(FILTER ${liste} EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER ${liste} EXCLUDE REGEX "_windows\\.cpp$")
  endif()
  set(${liste} ${${liste}} PARENT_SCOPE)
endfunction()

# orbato_schicht(<name> <glob> [<layer it may use> ...]): the library orbato_<name> from the
# sources matching <glob> below src/, which is also the layer's folder.
function(orbato_schicht name muster)
  file(GLOB quellen CONFIGURE_DEPENDS ${muster})
  orbato_fremdes_system_weglassen(quellen)
  add_library(orbato_${name} STATIC ${quellen})
  foreach(unten ${ARGN})
    target_link_libraries(orbato_${name} PUBLIC orbato_${unten})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY ORBATO_SCHICHTEN ${name})
  set_property(GLOBAL PROPERTY ORBATO_SCHICHT_${name} "${ARGN}")
endfunction()

function(orbato_schichten_pruefen)
  get_property(schichten GLOBAL PROPERTY ORBATO_SCHICHTEN)
  set(regeln "")
  set(alle_quellen "")
  foreach(name ${schichten})
    get_property(unten GLOBAL PROPERTY ORBATO_SCHICHT_${name})
    string(REPLACE ";" "," unten_liste "${unten}")
    list(APPEND regeln "${name}:${unten_liste}")
    file(GLOB_RECURSE quellen CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h
      ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
    list(APPEND alle_quellen ${quellen})
  endforeach()
  string(REPLACE ";" "|" regeln "${regeln}")
  string(REPLACE ";" "," schichten_liste "${schichten}")
  set(stempel ${CMAKE_CURRENT_BINARY_DIR}/schichten.geprueft)
  add_custom_command(OUTPUT ${stempel}
    COMMAND ${CMAKE_COMMAND} "-DWURZEL=${CMAKE_CURRENT_SOURCE_DIR}" "-DREGELN=${regeln}"
      "-DSCHICHTEN=${schichten_liste}" -P ${PROJECT_SOURCE_DIR}/cmake/SchichtIncludes.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stempel}
    DEPENDS ${alle_quellen} ${PROJECT_SOURCE_DIR}/cmake/SchichtIncludes.cmake
    COMMENT "Includes der Schichten prüfen"
    VERBATIM)
  add_custom_target(orbato_schichtincludes DEPENDS ${stempel})

  set(leer ${CMAKE_CURRENT_BINARY_DIR}/schichtpruefung.cpp)
  file(WRITE ${leer} "int main() { return 0; }\n")
  foreach(name ${schichten})
    add_dependencies(orbato_${name} orbato_schichtincludes)
    get_property(unten GLOBAL PROPERTY ORBATO_SCHICHT_${name})
    add_executable(orbato_schicht_${name} ${leer})
    target_link_libraries(orbato_schicht_${name} PRIVATE
      "$<LINK_LIBRARY:WHOLE_ARCHIVE,orbato_${name}>")
    foreach(u ${unten})
      target_link_libraries(orbato_schicht_${name} PRIVATE orbato_${u})
    endforeach()
  endforeach()
endfunction()
