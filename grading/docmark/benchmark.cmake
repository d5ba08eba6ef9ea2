# The demo's word task (its documents, answer workbook and their test), and the benchmark that
# grades it through the control next to python-docx reading the same document (not part of the
# test run).
include(${CMAKE_CURRENT_LIST_DIR}/testing/demo_document.cmake)

if(KIRV_BENCHMARKS AND TARGET docmark)
  find_package(benchmark REQUIRED)
  add_executable(docmark_benchmark ${CMAKE_CURRENT_LIST_DIR}/benchmark.cpp)
  target_link_libraries(docmark_benchmark PRIVATE kirv_demo_document kirv_com kirv_win
                        benchmark::benchmark)
  target_compile_definitions(docmark_benchmark PRIVATE KIRV_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                             KIRV_DOCMARK_OCX="$<TARGET_FILE:docmark>")
  add_dependencies(docmark_benchmark docmark)
endif()
