# The demo's presentation task (its presentations, answer workbook and their test), and the
# benchmark that grades it through the control next to a Python peer reading the same
# presentation's parts with lxml (not part of the test run).
include(${CMAKE_CURRENT_LIST_DIR}/testing/demo_presentation.cmake)

if(KIRV_BENCHMARKS AND TARGET slidemark)
  find_package(benchmark REQUIRED)
  add_executable(slidemark_benchmark ${CMAKE_CURRENT_LIST_DIR}/benchmark.cpp)
  target_link_libraries(slidemark_benchmark PRIVATE kirv_demo_presentation kirv_powerpoint kirv_com
                        kirv_win benchmark::benchmark)
  target_compile_definitions(slidemark_benchmark PRIVATE KIRV_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                             KIRV_SLIDEMARK_OCX="$<TARGET_FILE:slidemark>")
  add_dependencies(slidemark_benchmark slidemark)
endif()
