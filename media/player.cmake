# The template movie player: rlottie computes each frame's render tree, QPainter draws it.
target_sources(xc_media PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/flash_template_player.h ${CMAKE_CURRENT_LIST_DIR}/flash_template_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/movie_source.h ${CMAKE_CURRENT_LIST_DIR}/movie_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/movie_picture.h ${CMAKE_CURRENT_LIST_DIR}/movie_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/render_tree_path.h
  ${CMAKE_CURRENT_LIST_DIR}/render_tree_painter.h ${CMAKE_CURRENT_LIST_DIR}/render_tree_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layer_geometry.h ${CMAKE_CURRENT_LIST_DIR}/layer_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/movie_frame_painter.h ${CMAKE_CURRENT_LIST_DIR}/movie_frame_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/serial_painting.h ${CMAKE_CURRENT_LIST_DIR}/serial_painting.cpp
)
target_link_libraries(xc_media PRIVATE PkgConfig::RLOTTIE)
