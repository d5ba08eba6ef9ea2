# The demo's presentation task (its presentations, answer workbook and their test).
include(${CMAKE_CURRENT_LIST_DIR}/testing/demo_presentation.cmake)
