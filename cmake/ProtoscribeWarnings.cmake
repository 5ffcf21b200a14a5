# Every target of the project compiles warning-free with these flags.
function(protoscribe_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()

# A project library: sources in the folder, headers included as "folder/Name.h".
# It sees only its own headers and those of the libraries it links: each library
# exposes its headers through links in an include folder of its own in the build
# tree, so an include across a missing dependency does not build. Where two
# libraries share a folder, the second names its HEADERS and the first exposes
# the rest.
function(protoscribe_library name)
  cmake_parse_arguments(ARG "INTERFACE" "" "SOURCES;DEPENDS;HEADERS" ${ARGN})
  if(ARG_INTERFACE)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_BINARY_DIR}/include/${name})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  else()
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_BINARY_DIR}/include/${name})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    protoscribe_warnings(${name})
  endif()
  set_property(TARGET ${name} PROPERTY PROTOSCRIBE_HEADERS ${ARG_HEADERS})
  set_property(DIRECTORY APPEND PROPERTY PROTOSCRIBE_LIBRARIES ${name})
  if(ARG_HEADERS)
    set_property(DIRECTORY APPEND PROPERTY PROTOSCRIBE_CLAIMED_HEADERS ${ARG_HEADERS})
  endif()
  # Siblings declared later in the folder may still claim headers: expose them
  # once the folder is read.
  get_property(deferred DIRECTORY PROPERTY PROTOSCRIBE_EXPOSING)
  if(NOT deferred)
    set_property(DIRECTORY PROPERTY PROTOSCRIBE_EXPOSING ON)
    cmake_language(DEFER CALL protoscribe_expose_folder)
  endif()
endfunction()

function(protoscribe_expose_folder)
  set(folder ${CMAKE_CURRENT_SOURCE_DIR})
  file(RELATIVE_PATH prefix ${PROJECT_SOURCE_DIR}/src ${folder})
  if(prefix MATCHES "^\\.\\.")
    file(RELATIVE_PATH prefix ${PROJECT_SOURCE_DIR} ${folder})
  endif()
  get_property(claimed DIRECTORY PROPERTY PROTOSCRIBE_CLAIMED_HEADERS)
  get_property(libraries DIRECTORY PROPERTY PROTOSCRIBE_LIBRARIES)
  foreach(name IN LISTS libraries)
    get_property(headers TARGET ${name} PROPERTY PROTOSCRIBE_HEADERS)
    if(NOT headers)
      file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/*.h)
      if(claimed)
        list(REMOVE_ITEM headers ${claimed})
      endif()
    endif()
    set(root ${PROJECT_BINARY_DIR}/include/${name})
    file(REMOVE_RECURSE ${root})
    foreach(header IN LISTS headers)
      get_filename_component(parent ${root}/${prefix}/${header} DIRECTORY)
      file(MAKE_DIRECTORY ${parent})
      file(CREATE_LINK ${folder}/${header} ${root}/${prefix}/${header} SYMBOLIC)
    endforeach()
  endforeach()
endfunction()

# A GoogleTest executable registered with CTest.
function(protoscribe_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  protoscribe_warnings(${name})
  # A test that waits on a dialog nobody answers fails instead of stalling the run.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
