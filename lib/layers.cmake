# vex_layer(NAME BELOW...) builds lib/NAME/*.cpp into the static library
# vex_NAME, linked to the layers BELOW, and checks that its sources include
# only headers of NAME itself and of the layers it reaches through BELOW.
function(vex_layer name)
  set(dir "${CMAKE_CURRENT_SOURCE_DIR}/${name}")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${dir}/*.h")
  add_library(vex_${name} STATIC ${sources} ${headers})
  target_include_directories(vex_${name} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(vex_${name} PUBLIC ${ARGN})

  # The layers this one may include: itself and everything below it.
  set(allowed ${name})
  foreach(below IN LISTS ARGN)
    string(REGEX REPLACE "^vex_" "" below "${below}")
    list(APPEND allowed ${below} ${VEX_LAYER_REACH_${below}})
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set(VEX_LAYER_REACH_${name} ${allowed} CACHE INTERNAL "layers lib/${name} may include")

  foreach(file IN LISTS sources headers)
    file(STRINGS "${file}" includes REGEX "^#include \"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" layer "${line}")
      if(NOT layer IN_LIST allowed)
        file(RELATIVE_PATH rel "${CMAKE_SOURCE_DIR}" "${file}")
        message(FATAL_ERROR "${rel} includes \"${layer}/...\", but lib/${name} may use only: ${allowed}")
      endif()
    endforeach()
  endforeach()
endfunction()
