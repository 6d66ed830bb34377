# The alarm chime, the first wave file the Alarm Manager proposes.
set(DAYLOOM_CHIME ${DAYLOOM_GENERATED}/Chime.wav)
add_custom_command(
  OUTPUT ${DAYLOOM_CHIME}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make_chime.py ${DAYLOOM_CHIME}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make_chime.py
  COMMENT "Making the alarm chime")
add_custom_target(dayloom_chime DEPENDS ${DAYLOOM_CHIME})
list(APPEND DAYLOOM_DATA_FILES ${DAYLOOM_CHIME})
list(APPEND DAYLOOM_DATA_DEPENDS dayloom_chime)
