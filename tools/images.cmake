# The picture tool: paints the image set, the window icon and the contact
# sheet from tools/images/ (palette, text-art, seeded noise). It never runs as
# part of a build: the PNG files it writes are committed under assets/.
# Refresh them with `cmake --build <dir> --target quarrow_images_update`.
find_package(PNG REQUIRED)

add_executable(quarrow_images
  tools/images/art.cpp
  tools/images/image.cpp
  tools/images/main.cpp
  tools/images/noise.cpp
  tools/images/png_file.cpp
  tools/images/screens.cpp
  tools/images/terrain.cpp)
target_link_libraries(quarrow_images PRIVATE PNG::PNG)
target_compile_definitions(quarrow_images PRIVATE QUARROW_IMAGES_ART_DIR="${CMAKE_SOURCE_DIR}/tools/images")

add_custom_target(quarrow_images_update
  COMMAND quarrow_images "${CMAKE_SOURCE_DIR}/assets"
  COMMENT "Repainting assets/images, assets/icon.png and assets/contact-sheet.png"
  VERBATIM)
