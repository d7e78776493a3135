# The conversion library adapter: album frames and songs into MPEG, AVI or numbered pictures.
target_sources(xc_media PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/conversion_library.h ${CMAKE_CURRENT_LIST_DIR}/conversion_library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/conversion_output_plan.h ${CMAKE_CURRENT_LIST_DIR}/conversion_output_plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encode_worker.h ${CMAKE_CURRENT_LIST_DIR}/encode_worker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_writer.h ${CMAKE_CURRENT_LIST_DIR}/frame_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_file_writer.h ${CMAKE_CURRENT_LIST_DIR}/media_file_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_sequence_writer.h ${CMAKE_CURRENT_LIST_DIR}/picture_sequence_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_scaler.h ${CMAKE_CURRENT_LIST_DIR}/frame_scaler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joined_audio.h ${CMAKE_CURRENT_LIST_DIR}/joined_audio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ffmpeg_utils.h ${CMAKE_CURRENT_LIST_DIR}/ffmpeg_utils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ffmpeg_log.h ${CMAKE_CURRENT_LIST_DIR}/ffmpeg_log.cpp
)
target_link_libraries(xc_media PRIVATE PkgConfig::FFMPEG)
