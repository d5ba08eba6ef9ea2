# The part-A drawing-object, text, page and table checks with their navigation helpers, as a static library the
# control links, and their tests. Included by the control's build file.
add_library(kirv_docmark_part_a STATIC
  ${CMAKE_CURRENT_LIST_DIR}/navigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_position.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_reads.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_wrap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shapes_navigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_page.cpp
)
target_include_directories(kirv_docmark_part_a PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(kirv_docmark_part_a PUBLIC kirv_engine kirv_word kirv_base)

# A document opened as part A has it, for the checks' tests.
add_library(kirv_docmark_part_a_testing STATIC ${CMAKE_CURRENT_LIST_DIR}/testing/part_a_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/testing/shape_documents.cpp)
target_link_libraries(kirv_docmark_part_a_testing PUBLIC kirv_docmark_part_a kirv_word_testing)
target_compile_definitions(kirv_docmark_part_a_testing PRIVATE
  KIRV_WORD_TESTDATA="${CMAKE_SOURCE_DIR}/platform/office/word/testdata")

kirv_add_test(docmark_part_a_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/navigation_test.cpp ${CMAKE_CURRENT_LIST_DIR}/tables_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/text_page_test.cpp ${CMAKE_CURRENT_LIST_DIR}/shapes_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/shape_position_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/shapes_navigation_test.cpp
  LIBS kirv_docmark_part_a_testing)
