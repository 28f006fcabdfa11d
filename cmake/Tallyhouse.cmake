# th_area(<target> [DIRS <dir>...] [FILES <file>...] DEPS <dep>... [EXCLUDE <file>...])
# One static library per area, its sources globbed from the area's folders so
# that adding a file needs no edit here. FILES names single units for the few
# areas that share a folder with another area (see CMakeLists.txt).
function(th_area name)
  cmake_parse_arguments(A "" "" "DIRS;FILES;DEPS;EXCLUDE" ${ARGN})
  set(srcs)
  foreach(f IN LISTS A_FILES)
    list(APPEND srcs "${PROJECT_SOURCE_DIR}/${f}")
  endforeach()
  foreach(dir IN LISTS A_DIRS)
    file(GLOB found CONFIGURE_DEPENDS
         "${PROJECT_SOURCE_DIR}/${dir}/*.cpp" "${PROJECT_SOURCE_DIR}/${dir}/*.h")
    list(APPEND srcs ${found})
  endforeach()
  foreach(ex IN LISTS A_EXCLUDE)
    list(REMOVE_ITEM srcs "${PROJECT_SOURCE_DIR}/${ex}")
  endforeach()
  set(cpps ${srcs})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(cpps)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${A_DEPS})
    target_compile_definitions(${name} PUBLIC
      TH_VERSION_STRING="${PROJECT_VERSION}"
      TH_VERSION_MAJOR=${PROJECT_VERSION_MAJOR} TH_VERSION_MINOR=${PROJECT_VERSION_MINOR}
      TH_VERSION_PATCH=${PROJECT_VERSION_PATCH} TH_VERSION_BUILD=${PROJECT_VERSION_TWEAK})
  else()
    # An area with headers only (or none yet) still takes part in the graph.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${A_DEPS})
    target_compile_definitions(${name} INTERFACE
      TH_VERSION_STRING="${PROJECT_VERSION}"
      TH_VERSION_MAJOR=${PROJECT_VERSION_MAJOR} TH_VERSION_MINOR=${PROJECT_VERSION_MINOR}
      TH_VERSION_PATCH=${PROJECT_VERSION_PATCH} TH_VERSION_BUILD=${PROJECT_VERSION_TWEAK})
  endif()
endfunction()

# th_test(<target> DIRS <dir>... LIBS <lib>... LABELS <label>...)
# One GoogleTest executable per area, registered with CTest test by test.
function(th_test name)
  cmake_parse_arguments(A "" "" "DIRS;LIBS;LABELS" ${ARGN})
  set(srcs)
  foreach(dir IN LISTS A_DIRS)
    file(GLOB found CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp"
         "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h")
    list(APPEND srcs ${found})
  endforeach()
  set(cpps ${srcs})
  list(FILTER cpps INCLUDE REGEX "\\.cpp$")
  if(NOT cpps)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${A_LIBS} th_fixtures GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    PROPERTIES LABELS "${A_LABELS}" ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
