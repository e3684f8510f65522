# The release: the executable's resources (application icon, version, manifest) and `dist`, the
# zip for Windows users with the executable, the user guide and the licence.
enable_language(RC)

set(ZBW_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(ZBW_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")

# The icon file is written from the icon the program builds for its window, by a small tool for the
# build machine: the host's own compiler when cross-compiling.
set(ZBW_ICON_FILE ${CMAKE_CURRENT_BINARY_DIR}/zhongbaiwu.ico)
set(ZBW_ICON_SOURCES_FOR_TOOL
  ${CMAKE_SOURCE_DIR}/tools/write_program_icon.cpp ${CMAKE_SOURCE_DIR}/src/ui/program_icon.cpp)
if(CMAKE_CROSSCOMPILING)
  find_program(ZBW_HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  set(ZBW_ICON_TOOL ${CMAKE_CURRENT_BINARY_DIR}/write_program_icon)
  add_custom_command(OUTPUT ${ZBW_ICON_TOOL}
    COMMAND ${ZBW_HOST_CXX} -std=c++20 -O1 -I${CMAKE_SOURCE_DIR}/src ${ZBW_ICON_SOURCES_FOR_TOOL}
            -o ${ZBW_ICON_TOOL}
    DEPENDS ${ZBW_ICON_SOURCES_FOR_TOOL} ${CMAKE_SOURCE_DIR}/src/ui/program_icon.h
    COMMENT "Building the icon writer for the build machine")
else()
  add_executable(write_program_icon ${ZBW_ICON_SOURCES_FOR_TOOL})
  target_include_directories(write_program_icon PRIVATE src)
  set(ZBW_ICON_TOOL write_program_icon)
endif()
add_custom_command(OUTPUT ${ZBW_ICON_FILE}
  COMMAND ${ZBW_ICON_TOOL} ${ZBW_ICON_FILE}
  DEPENDS ${ZBW_ICON_TOOL}
  COMMENT "Writing the program's icon file")

set(ZBW_MANIFEST_FILE ${CMAKE_CURRENT_BINARY_DIR}/zhongbaiwu.manifest)
configure_file(src/app/zhongbaiwu.manifest ${ZBW_MANIFEST_FILE} @ONLY)
configure_file(src/app/zhongbaiwu.rc.in ${CMAKE_CURRENT_BINARY_DIR}/zhongbaiwu.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/zhongbaiwu.rc PROPERTIES
  OBJECT_DEPENDS "${ZBW_ICON_FILE};${ZBW_MANIFEST_FILE}")
target_sources(zhongbaiwu PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/zhongbaiwu.rc)
if(MSVC)
  # The resources carry the manifest; the linker would add a second one.
  target_link_options(zhongbaiwu PRIVATE /MANIFEST:NO)
endif()

# The zip: the files a Windows user gets, the texts with Windows line ends, UTF-8 with a byte
# order mark so that Notepad reads the Chinese right.
set(ZBW_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "Where `dist` puts the zip")
set(ZBW_DIST_NAME zhongbaiwu-${PROJECT_VERSION}-win32)
set(ZBW_DIST_STAGE ${CMAKE_CURRENT_BINARY_DIR}/dist-stage/${ZBW_DIST_NAME})
set(ZBW_DIST_ZIP ${ZBW_DIST_DIR}/${ZBW_DIST_NAME}.zip)

function(zbw_windows_text source target)
  file(READ ${source} text)
  string(CONFIGURE "${text}" text @ONLY)
  string(ASCII 239 187 191 byte_order_mark)
  file(GENERATE OUTPUT ${target} CONTENT "${byte_order_mark}${text}" NEWLINE_STYLE CRLF)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()
zbw_windows_text(${CMAKE_SOURCE_DIR}/docs/user-guide.txt ${ZBW_DIST_STAGE}/README.txt)
zbw_windows_text(${CMAKE_SOURCE_DIR}/LICENSE ${ZBW_DIST_STAGE}/LICENSE.txt)

add_custom_command(OUTPUT ${ZBW_DIST_ZIP}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zhongbaiwu> ${ZBW_DIST_STAGE}/
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZBW_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${ZBW_DIST_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${ZBW_DIST_STAGE}/..
          ${CMAKE_COMMAND} -E tar cf ${ZBW_DIST_ZIP} --format=zip ${ZBW_DIST_NAME}
  DEPENDS zhongbaiwu ${ZBW_DIST_STAGE}/README.txt ${ZBW_DIST_STAGE}/LICENSE.txt
  COMMENT "Packing ${ZBW_DIST_ZIP}")
add_custom_target(dist DEPENDS ${ZBW_DIST_ZIP})
