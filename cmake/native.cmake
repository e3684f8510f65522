# Host build: the value operations and the icon bytes, tested natively with GoogleTest.
add_library(zbw_core STATIC ${ZBW_CORE_SOURCES} ${ZBW_SCHEDULER_VALUE_SOURCES} ${ZBW_ICON_SOURCES})
target_include_directories(zbw_core PUBLIC src)
target_compile_options(zbw_core PRIVATE ${ZBW_WARNINGS})

add_executable(unit_tests
  tests/unit/date_time_test.cpp
  tests/unit/icon_file_test.cpp
  tests/unit/list_test.cpp
  tests/unit/program_icon_test.cpp
  tests/unit/program_texts_test.cpp
  tests/unit/text_value_test.cpp
  tests/unit/trigger_test.cpp
  tests/unit/support/fatal_stop_host.cpp)
target_link_libraries(unit_tests PRIVATE zbw_core GTest::gtest_main)
target_compile_options(unit_tests PRIVATE ${ZBW_WARNINGS})
add_test(NAME unit_tests COMMAND unit_tests)
