# The icon files as the build draws them, read back natively: the indicator images
# pixel for pixel, the program icons' image lists.
if(NOT WIN32)
  add_executable(vistrel_icon_tests icon_images_test.cpp)
  target_link_libraries(vistrel_icon_tests PRIVATE GTest::gtest_main)
  add_dependencies(vistrel_icon_tests vistrel_icons)
  # VISTREL_ICO, VSMALLBW_ICO, CROSSHAIR_ICO, ZERO_SIGHT_ICO, XOR_CROSSHAIR_ICO
  foreach(icon IN LISTS VISTREL_ICON_FILES)
    get_filename_component(stem ${icon} NAME_WE)
    string(TOUPPER ${stem} stem)
    target_compile_definitions(vistrel_icon_tests PRIVATE "${stem}_ICO=\"${icon}\"")
  endforeach()
  gtest_discover_tests(vistrel_icon_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endif()
