# The desktop program's directories are layers, lowest first. A source may
# include headers of its own directory, of the directories below it and of
# the library, never of one above: vex_gui_check_layers stops the configure
# step at the first include that reaches up and is not listed as allowed.
set(VEX_GUI_LAYERS adapters toolkit help dialogs views transfer channels factory workspace commands print app)

# Includes that reach up on purpose, as "file: header" ("*" for any file).
set(VEX_GUI_LAYER_EXCEPTIONS
    # The command ids are plain numbers that menus, views and tests all name.
    "*: commands/command_ids.h"
    # The radio and factory menus' commands act on the main frame.
    "factory/factory_commands.cpp: workspace/main_frame.h"
    "factory/factory_commands.cpp: workspace/menu_table.h"
    "transfer/transfer_commands.cpp: workspace/main_frame.h")

function(vex_gui_check_layers sources)
  set(root "${CMAKE_CURRENT_SOURCE_DIR}")
  foreach(file IN LISTS sources)
    file(RELATIVE_PATH rel "${root}" "${file}")
    string(REGEX REPLACE "/.*" "" own "${rel}")
    list(FIND VEX_GUI_LAYERS "${own}" ownLevel)
    if(ownLevel EQUAL -1)
      message(FATAL_ERROR "apps/gui/${rel} lies in no layer: add its directory to VEX_GUI_LAYERS")
    endif()
    file(STRINGS "${file}" includes REGEX "^#include \"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
      string(REGEX REPLACE "/.*" "" layer "${header}")
      list(FIND VEX_GUI_LAYERS "${layer}" level)
      if(level GREATER ownLevel AND NOT "${rel}: ${header}" IN_LIST VEX_GUI_LAYER_EXCEPTIONS
         AND NOT "*: ${header}" IN_LIST VEX_GUI_LAYER_EXCEPTIONS)
        message(FATAL_ERROR "apps/gui/${rel} includes \"${header}\", but ${own} lies below ${layer}: "
                            "apps/gui's layers, lowest first: ${VEX_GUI_LAYERS}")
      endif()
    endforeach()
  endforeach()
endfunction()
