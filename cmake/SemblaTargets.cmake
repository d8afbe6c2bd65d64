# sembla_library(NAME LINKS...): a static library of the sources in the current folder.
# A layer's widget-free core sits in src/LAYER, its widgets (if any) in src/widgets/LAYER.
function(sembla_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# sembla_tests(LINKS...): every tst_*.cpp of the current folder becomes one QtTest executable
# and one CTest test, linked with the folder's *_helpers.cpp and tests/support; widget tests
# run on the offscreen platform.
function(sembla_tests)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  file(GLOB helper_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_helpers.cpp)
  foreach(src ${test_sources})
    get_filename_component(test_name ${src} NAME_WE)
    add_executable(${test_name} ${src} ${helper_sources})
    target_include_directories(${test_name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${test_name} PRIVATE ${ARG_LINKS} sembla_test_support Qt6::Test)
    target_compile_definitions(${test_name} PRIVATE
      SEMBLA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data/files"
      SEMBLA_EXAMPLES="${PROJECT_SOURCE_DIR}/examples")
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
  endforeach()
endfunction()
