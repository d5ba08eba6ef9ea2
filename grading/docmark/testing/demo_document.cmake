# The demo's word-processor task: its documents and answer workbook (library kirv_demo_document),
# which the benchmark grades and the demo tools write into the demo installation, and the test
# that holds them against each other through the document model and the engine's loader.
add_library(kirv_demo_document STATIC ${CMAKE_CURRENT_LIST_DIR}/demo_document.cpp)
target_include_directories(kirv_demo_document PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(kirv_demo_document PUBLIC kirv_word kirv_word_testing kirv_excel_testing)

kirv_add_test(demo_document_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/demo_document_test.cpp
  LIBS kirv_demo_document kirv_engine)
