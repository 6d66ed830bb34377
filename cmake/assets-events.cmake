# The event images, the calendar's icon palette: "Image<n>.bmp" in the folder
# "Event Images" beside the executable.
set(DAYLOOM_EVENT_IMAGES_DIR "${DAYLOOM_GENERATED}/Event Images")
set(DAYLOOM_EVENT_IMAGES_STAMP ${DAYLOOM_GENERATED}/event-images.stamp)
add_custom_command(
  OUTPUT ${DAYLOOM_EVENT_IMAGES_STAMP}
  COMMAND ${CMAKE_COMMAND} -E remove_directory ${DAYLOOM_EVENT_IMAGES_DIR}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make_event_images.py ${DAYLOOM_EVENT_IMAGES_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${DAYLOOM_EVENT_IMAGES_STAMP}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make_event_images.py
  COMMENT "Drawing the event images"
  VERBATIM)
add_custom_target(dayloom_event_images DEPENDS ${DAYLOOM_EVENT_IMAGES_STAMP})
list(APPEND DAYLOOM_DATA_DIRS ${DAYLOOM_EVENT_IMAGES_DIR})
list(APPEND DAYLOOM_DATA_DEPENDS dayloom_event_images)
