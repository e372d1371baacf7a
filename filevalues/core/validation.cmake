# The validation run and the window-free half of the Validation dialog.
add_library(tarniw_validation_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ValidationRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValidationRows.cpp
)
target_link_libraries(tarniw_validation_core PUBLIC tarniw_platform_core tarniw_filterlist_core)

tarniw_add_gtest(validation_core_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/../tests/validation_run_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/../tests/validation_rows_test.cpp
  LIBS tarniw_validation_core)
