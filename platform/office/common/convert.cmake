# The converter of candidates' files that are not OOXML (convert.*), a library of its own: it needs
# only the process and file layers, and LibreOffice at run time, never to build or test.
# Included by this folder's CMakeLists.txt.
add_library(kirv_office_convert STATIC ${CMAKE_CURRENT_LIST_DIR}/convert.cpp)
target_include_directories(kirv_office_convert PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(kirv_office_convert PUBLIC kirv_win kirv_base)

kirv_add_test(office_convert_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/convert_test.cpp
  LIBS kirv_office_convert kirv_opc)
target_compile_definitions(office_convert_test PRIVATE
  KIRV_WORD_TESTDATA="${CMAKE_SOURCE_DIR}/platform/office/word/testdata"
  KIRV_CONVERT_TESTDATA="${CMAKE_CURRENT_LIST_DIR}/testdata")
