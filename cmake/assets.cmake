# Generated assets (program icons, images, sounds) are made by the scripts in
# scripts/ at build time, so that the repository holds no binary media.
set(DAYLOOM_GENERATED ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${DAYLOOM_GENERATED})

set(DAYLOOM_ICON_FILES
  ${DAYLOOM_GENERATED}/Dayloom.ico
  ${DAYLOOM_GENERATED}/events.ico
  ${DAYLOOM_GENERATED}/alarms.ico
  ${DAYLOOM_GENERATED}/tasks.ico
  ${DAYLOOM_GENERATED}/tray.ico)
add_custom_command(
  OUTPUT ${DAYLOOM_ICON_FILES}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make_icons.py ${DAYLOOM_GENERATED}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make_icons.py
  COMMENT "Drawing the program icons")
add_custom_target(dayloom_icons DEPENDS ${DAYLOOM_ICON_FILES})

# Data files copied beside an executable's folder: name, source.
set(DAYLOOM_DATA_FILES ${CMAKE_SOURCE_DIR}/help/Dayloom.hlp)
set(DAYLOOM_DATA_DIRS)
set(DAYLOOM_DATA_DEPENDS)
file(GLOB DAYLOOM_ASSET_MODULES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/assets-*.cmake)
foreach(module IN LISTS DAYLOOM_ASSET_MODULES)
  include(${module})
endforeach()

# Copies the help file and the generated data beside the executables in DIR.
function(dayloom_stage_data target dir)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${DAYLOOM_DATA_FILES} ${dir}
    VERBATIM)
  foreach(d IN LISTS DAYLOOM_DATA_DIRS)
    get_filename_component(dname ${d} NAME)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${d} ${dir}/${dname}
      VERBATIM)
  endforeach()
  if(DAYLOOM_DATA_DEPENDS)
    add_dependencies(${target} ${DAYLOOM_DATA_DEPENDS})
  endif()
endfunction()
