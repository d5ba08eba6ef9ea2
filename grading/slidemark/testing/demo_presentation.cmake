# The demo's presentation task: its presentations and answer workbook (library
# kirv_demo_presentation), which the benchmark grades and the demo tools write into the demo
# installation, and the test that holds them against each other through the presentation model
# and the engine's loader.
add_library(kirv_demo_presentation STATIC ${CMAKE_CURRENT_LIST_DIR}/demo_presentation.cpp)
target_include_directories(kirv_demo_presentation PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(kirv_demo_presentation PUBLIC kirv_powerpoint_testing kirv_excel_testing)

kirv_add_test(demo_presentation_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/demo_presentation_test.cpp
  LIBS kirv_demo_presentation kirv_engine)
