# Windows build: the program, and the tests that run its real Win32 code under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run.sh)
# The program, the test programs and their helpers in one folder, where tests find each other.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Statically linked, so that the executable imports system DLLs alone; ASLR and DEP on.
if(MSVC)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  add_link_options(/DYNAMICBASE /NXCOMPAT)
else()
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections
                   -Wl,--dynamicbase -Wl,--nxcompat)
endif()

# The program itself throws and catches nothing, asks no type at run time and runs one thread: it
# is built without exceptions, run-time type information, unwind tables and guarded statics, which
# keeps the C++ library's exception runtime, demangler and thread library out of the executable
# (docs/PERFORMANCE.md). The test programs keep the defaults, which GoogleTest needs.
if(MSVC)
  set(ZBW_PRODUCT_OPTIONS /GR-)
else()
  set(ZBW_PRODUCT_OPTIONS -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                          -fno-threadsafe-statics)
endif()

add_library(zbw_program STATIC
  ${ZBW_CORE_SOURCES}
  ${ZBW_SCHEDULER_VALUE_SOURCES}
  ${ZBW_ICON_SOURCES}
  src/core/now_date_time.cpp
  src/app/allocation.cpp
  src/app/fatal_stop.cpp
  src/app/frame.cpp
  src/app/start_program.cpp
  src/ui/button.cpp
  src/ui/combo_box.cpp
  src/ui/control.cpp
  src/ui/edit_box.cpp
  src/ui/focus_order.cpp
  src/ui/form.cpp
  src/ui/label.cpp
  src/ui/main_window_definition.cpp
  src/ui/properties.cpp
  src/ui/radio_box.cpp
  src/ui/timer.cpp
  src/ui/window_classes.cpp
  src/scheduler/arming.cpp
  src/scheduler/clock_and_trigger.cpp
  src/scheduler/command_selection.cpp
  src/scheduler/selected_command.cpp
  src/system/browse_for_path.cpp
  src/system/message_box.cpp
  src/system/modal_scope.cpp
  src/system/power.cpp
  src/system/shell_run.cpp
  src/tray/icon_from_bytes.cpp
  src/tray/set_tray_icon.cpp
  src/tray/tray_handlers.cpp
  src/tray/tray_icon.cpp)
target_include_directories(zbw_program PUBLIC src)
target_compile_options(zbw_program PRIVATE ${ZBW_WARNINGS} ${ZBW_PRODUCT_OPTIONS})
target_compile_definitions(zbw_program PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(zbw_program PUBLIC user32 gdi32 shell32 ole32 advapi32)

add_executable(zhongbaiwu WIN32 src/app/main.cpp)
target_link_libraries(zhongbaiwu PRIVATE zbw_program)
target_compile_options(zhongbaiwu PRIVATE ${ZBW_WARNINGS} ${ZBW_PRODUCT_OPTIONS})
if(NOT MSVC)
  target_link_options(zhongbaiwu PRIVATE -s)
endif()

# Test programs run under Wine: CTest starts them through tools/wine-run.sh. Each starts the frame
# once and runs its tests on real windows.
add_library(zbw_win32_test_support STATIC
  tests/win32/support/child_process.cpp
  tests/win32/support/dialogs.cpp
  tests/win32/support/footprint.cpp
  tests/win32/support/frame_environment.cpp
  tests/win32/support/keyboard.cpp
  tests/win32/support/loaded_window.cpp
  tests/win32/support/message_pump.cpp
  tests/win32/support/notification_area.cpp
  tests/win32/support/power_recorder.cpp
  tests/win32/support/window_image.cpp
  tests/win32/support/test_main.cpp
  tests/win32/support/test_windows.cpp)
target_include_directories(zbw_win32_test_support PUBLIC tests/win32)
target_link_libraries(zbw_win32_test_support PUBLIC zbw_program GTest::gtest)
target_compile_options(zbw_win32_test_support PRIVATE ${ZBW_WARNINGS})

function(zbw_win32_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE zbw_win32_test_support)
  target_compile_options(${name} PRIVATE ${ZBW_WARNINGS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

add_subdirectory(tests/win32)
add_subdirectory(tests/bench)
