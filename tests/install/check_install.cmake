cmake_minimum_required(VERSION 3.25)
# Installs the build into PREFIX and checks the program folder, the
# start link, the menu entry and its icon.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path lib/recorddesk/recorddesk lib/recorddesk/Config.ini lib/recorddesk/RecordDesk.db
             lib/recorddesk/Language/1033.ini lib/recorddesk/icons/recorddesk.png bin/recorddesk
             share/applications/recorddesk.desktop
             share/icons/hicolor/64x64/apps/recorddesk.png)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "missing from the install tree: ${path}")
  endif()
endforeach()
file(STRINGS ${PREFIX}/share/applications/recorddesk.desktop entry)
foreach(line "Icon=recorddesk" "Exec=recorddesk" "Type=Application")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "recorddesk.desktop lacks ${line}")
  endif()
endforeach()
