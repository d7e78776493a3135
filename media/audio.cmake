# Audio adapters: song decoding and playback (FFmpeg, Qt Multimedia) and the simplified/traditional
# Chinese mapping (OpenCC).
target_sources(xc_media PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/song_pcm_decoder.h ${CMAKE_CURRENT_LIST_DIR}/song_pcm_decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio_player.h ${CMAKE_CURRENT_LIST_DIR}/audio_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chinese_mapping.h ${CMAKE_CURRENT_LIST_DIR}/chinese_mapping.cpp
)
target_link_libraries(xc_media PRIVATE PkgConfig::FFMPEG PkgConfig::OPENCC Qt6::Multimedia)
