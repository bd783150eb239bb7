# Compiles the whole program for Windows against the host's Linux Qt 6 headers: Qt's headers see
# mingw and take their Windows branches, so every #ifdef Q_OS_WIN, *_win.cpp unit and the
# resource script are compiled. There is no Qt built for Windows here, so nothing is linked.
#
# Used only by tests/windows/compile_program.sh, through
#   -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#   -DCMAKE_PROJECT_Dorvane_INCLUDE=cmake/windows_compile_check.cmake
# It acts once the top-level CMakeLists.txt is read, so targets added later need no edit here.

cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL dorvane_prepare_windows_compile_check)

# The host's headers under /usr/include are glibc's and break mingw; the Linux mkspec gives way
# to Windows'.
function(dorvane_windows_include_dirs target)
  get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  if(NOT dirs)
    return()
  endif()
  list(REMOVE_ITEM dirs /usr/include)
  list(TRANSFORM dirs REPLACE "/mkspecs/linux-g\\+\\+$" "/mkspecs/win32-g++")
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${dirs}")
endfunction()

function(dorvane_prepare_windows_compile_check)
  # CMake will not generate a Windows build that names a DLL without its import library; the
  # placeholder is never read, since nothing links.
  set(placeholder ${CMAKE_BINARY_DIR}/placeholder-import.dll.a)
  file(TOUCH ${placeholder})
  get_directory_property(imported DIRECTORY ${CMAKE_SOURCE_DIR} IMPORTED_TARGETS)
  foreach(target IN LISTS imported)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY")
      set_target_properties(${target} PROPERTIES IMPORTED_IMPLIB ${placeholder})
      get_target_property(configs ${target} IMPORTED_CONFIGURATIONS)
      foreach(config IN LISTS configs)
        set_target_properties(${target} PROPERTIES IMPORTED_IMPLIB_${config} ${placeholder})
      endforeach()
    endif()
    if(NOT type STREQUAL "EXECUTABLE")
      dorvane_windows_include_dirs(${target})
    endif()
  endforeach()

  # Each program's sources compile as an object library of the same inputs; the program itself
  # is left out of the build, since linking it would need Qt for Windows.
  get_directory_property(targets DIRECTORY ${CMAKE_SOURCE_DIR} BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      get_target_property(sources ${target} SOURCES)
      get_target_property(libraries ${target} LINK_LIBRARIES)
      add_library(${target}_windows_objects OBJECT ${sources})
      if(libraries)
        target_link_libraries(${target}_windows_objects PRIVATE ${libraries})
      endif()
      set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL TRUE)
    endif()
  endforeach()

  # The tests' shared main(), whose Windows branch keeps test runs out of the user's registry.
  add_library(test_main_windows_objects OBJECT ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp)
  target_compile_definitions(test_main_windows_objects PRIVATE DORVANE_TEST_WIDGETS)
  target_include_directories(test_main_windows_objects PRIVATE
    /usr/src/googletest/googletest/include)
  target_link_libraries(test_main_windows_objects PRIVATE dorvane_ui)
endfunction()
