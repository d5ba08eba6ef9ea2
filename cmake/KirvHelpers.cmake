# Small helpers shared by every folder's CMakeLists.txt.

# kirv_add_test(NAME SOURCES ... [LIBS ...]): one GoogleTest executable per folder, run by CTest.
# Tests find the sources (and each folder's testdata/) through KIRV_SOURCE_DIR, and get a folder of their own for temporary files in KIRV_TEST_TMP.
function(kirv_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    KIRV_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
               ENVIRONMENT KIRV_TEST_TMP=${CMAKE_CURRENT_BINARY_DIR}/tmp)
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/tmp)
endfunction()

# With the fuzzers built, every library carries their coverage instrumentation, so that a fuzz
# target is guided by the code it reaches and not only by its own file.
if(KIRV_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# kirv_add_fuzzer(NAME SOURCES ... [LIBS ...] [SECONDS n] [SEEDS dir ...]): a libFuzzer target, run for
# a bounded time by CTest, starting from the seed inputs in SEEDS when given. Only built with clang
# and KIRV_FUZZ.
function(kirv_add_fuzzer name)
  if(NOT KIRV_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "SECONDS" "SOURCES;LIBS;SEEDS" ${ARGN})
  if(NOT F_SECONDS)
    set(F_SECONDS 20)
  endif()
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME ${name}
    COMMAND ${name} -max_total_time=${F_SECONDS} -timeout=10 -rss_limit_mb=4096 ${corpus} ${F_SEEDS})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
endfunction()

# kirv_add_control(NAME SOURCES ... [LIBS ...]): a control library NAME.ocx, loaded by class id
# after registration (platform/com). It exports only its entry points: the copies of our static
# libraries it carries stay its own, so they never bind to the loading program's.
function(kirv_add_control name)
  cmake_parse_arguments(C "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} MODULE ${C_SOURCES})
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX ".ocx"
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${name} PRIVATE kirv_com ${C_LIBS})
  target_link_options(${name} PRIVATE -Wl,--exclude-libs,ALL)
  # The sanitizers' run-time comes with the program, so only a plain build can insist that
  # everything resolves when the library is linked.
  if(NOT KIRV_SANITIZE)
    target_link_options(${name} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
