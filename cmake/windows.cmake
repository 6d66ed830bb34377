# The Windows program: toolkit, form units, resources, and the Wine tests.
enable_language(RC)
set(DAYLOOM_BIN ${CMAKE_BINARY_DIR}/bin)
set(DAYLOOM_TESTBIN ${CMAKE_BINARY_DIR}/testbin)

set(DAYLOOM_WIN32_DEFINES UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00 WINVER=0x0A00)
set(DAYLOOM_WIN32_LIBS comctl32 comdlg32 gdi32 user32 shell32 advapi32 winmm version ws2_32 ole32 uuid shlwapi)

add_library(dayloom_win STATIC ${DAYLOOM_WIN32_SOURCES})
target_link_libraries(dayloom_win PUBLIC dayloom_logic ${DAYLOOM_WIN32_LIBS})
target_compile_definitions(dayloom_win PUBLIC ${DAYLOOM_WIN32_DEFINES})
target_compile_options(dayloom_win PRIVATE ${DAYLOOM_WARNINGS})
target_include_directories(dayloom_win PUBLIC ${CMAKE_SOURCE_DIR}/resources)
target_compile_definitions(dayloom_logic PUBLIC ${DAYLOOM_WIN32_DEFINES})

configure_file(${CMAKE_SOURCE_DIR}/resources/version.h.in ${DAYLOOM_GENERATED}/version.h @ONLY)
set(DAYLOOM_RC ${CMAKE_SOURCE_DIR}/resources/Dayloom.rc)
set_source_files_properties(${DAYLOOM_RC} PROPERTIES OBJECT_DEPENDS
  "${DAYLOOM_ICON_FILES};${CMAKE_SOURCE_DIR}/resources/Dayloom.manifest;${DAYLOOM_GENERATED}/version.h")

# Resources are an object library so that the tests carry the same version
# block, manifest and icons as the program.
add_library(dayloom_resources OBJECT ${DAYLOOM_RC})
target_include_directories(dayloom_resources PRIVATE ${DAYLOOM_GENERATED} ${CMAKE_SOURCE_DIR}/resources ${CMAKE_SOURCE_DIR}/src)
add_dependencies(dayloom_resources dayloom_icons)

if(MINGW)
  set(DAYLOOM_STATIC_LINK -static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
endif()

add_executable(Dayloom WIN32 ${DAYLOOM_ENTRY_SOURCE} $<TARGET_OBJECTS:dayloom_resources>)
target_link_libraries(Dayloom PRIVATE dayloom_win)
target_link_options(Dayloom PRIVATE ${DAYLOOM_STATIC_LINK} -municode)
set_target_properties(Dayloom PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DAYLOOM_BIN})
dayloom_stage_data(Dayloom ${DAYLOOM_BIN})

if(DAYLOOM_TESTS AND DAYLOOM_WINE_TESTS AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  enable_testing()
  add_subdirectory(tests/wine)
endif()
if(DAYLOOM_BENCHMARKS AND CMAKE_SIZEOF_VOID_P EQUAL 8 AND EXISTS ${CMAKE_SOURCE_DIR}/bench/wine/CMakeLists.txt)
  add_subdirectory(bench/wine)
endif()
