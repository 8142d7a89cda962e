# Vistrel's icons, drawn at build time from the text pictures beside this file by
# tools/make_icon.py, which reads each file back and checks it against its picture.
# Only the MinGW builds need them, for the resource script.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(VISTREL_ICON_FILES "")
foreach(name vistrel vsmallbw crosshair zero_sight xor_crosshair)
  set(icon ${CMAKE_CURRENT_BINARY_DIR}/${name}.ico)
  add_custom_command(OUTPUT ${icon}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make_icon.py ${CMAKE_CURRENT_LIST_DIR}/${name}.txt ${icon}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${name}.txt ${PROJECT_SOURCE_DIR}/tools/make_icon.py
    COMMENT "Drawing Vistrel's icon ${name}.ico")
  list(APPEND VISTREL_ICON_FILES ${icon})
endforeach()
add_custom_target(vistrel_icons DEPENDS ${VISTREL_ICON_FILES})
