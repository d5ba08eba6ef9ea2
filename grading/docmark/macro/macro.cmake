# The part-B checks (over the macro interface) as a library the control links, and their tests.
# Included by this folder's CMakeLists.txt.
add_library(kirv_docmark_part_b STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dialog_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_checks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_checks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paragraph_checks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_checks.cpp
)
target_include_directories(kirv_docmark_part_b PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(kirv_docmark_part_b PUBLIC kirv_engine kirv_word kirv_vb kirv_win kirv_base)

kirv_add_test(docmark_part_b_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/macro_checks_test.cpp
  LIBS kirv_docmark_part_b kirv_word_testing)
