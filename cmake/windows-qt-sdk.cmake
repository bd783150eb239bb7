# Building dorvane.exe here: mingw-w64 (mingw-w64-x86_64.cmake) with the Qt for Windows that
# scripts/windows-sdk makes, and Debian's Qt of the same version for the host tools (moc, rcc).
# The SDK is found where that script puts it: DORVANE_WINDOWS_SDK, or ~/.cache/dorvane.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

if(DEFINED ENV{DORVANE_WINDOWS_SDK})
  set(DORVANE_WINDOWS_SDK "$ENV{DORVANE_WINDOWS_SDK}")
else()
  set(DORVANE_WINDOWS_SDK "$ENV{HOME}/.cache/dorvane/qt-6.4.2-mingw")
endif()
if(NOT EXISTS "${DORVANE_WINDOWS_SDK}/lib/cmake/Qt6/Qt6Config.cmake")
  message(FATAL_ERROR "No Qt for Windows in ${DORVANE_WINDOWS_SDK}: make one with "
    "scripts/windows-sdk (or scripts/windows-sdk --from ARCHIVE), or set DORVANE_WINDOWS_SDK")
endif()
list(PREPEND CMAKE_PREFIX_PATH "${DORVANE_WINDOWS_SDK}")
list(PREPEND CMAKE_FIND_ROOT_PATH "${DORVANE_WINDOWS_SDK}")

execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH
  OUTPUT_VARIABLE DORVANE_HOST_MULTIARCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT DORVANE_HOST_MULTIARCH)
  set(DORVANE_HOST_MULTIARCH x86_64-linux-gnu)
endif()
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${DORVANE_HOST_MULTIARCH}/cmake)
