# The intro video adapter: any video FFmpeg reads, played into album frames.
target_sources(xc_media PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/intro_video.h ${CMAKE_CURRENT_LIST_DIR}/intro_video.cpp
)
