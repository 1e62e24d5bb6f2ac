# The device check: the SDL/OpenGL platform drawing real pixels under Xvfb
# with Mesa's software renderer (cull, fog, sprites and text).
add_executable(quarrow_device_check "${CMAKE_CURRENT_LIST_DIR}/device_check.cpp")
target_link_libraries(quarrow_device_check PRIVATE quarrow_rules quarrow_platform_sdl quarrow_assets PNG::PNG)

add_test(NAME e2e_device
  COMMAND bash "${CMAKE_CURRENT_LIST_DIR}/run.sh" "$<TARGET_FILE:quarrow_device_check>" "${CMAKE_BINARY_DIR}/e2e-artifacts")
set_tests_properties(e2e_device PROPERTIES RUN_SERIAL TRUE TIMEOUT 600 LABELS e2e SKIP_RETURN_CODE 77)
