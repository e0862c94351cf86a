# OpenCV's core module only, as Debian's libopencv-core-dev ships it: that
# package has neither a CMake package file nor a pkg-config file (those come
# with libopencv-dev, which pulls in every module). Defines OpenCV::core.
find_path(OPENCV_CORE_INCLUDE_DIR opencv2/core.hpp PATH_SUFFIXES opencv4)
find_path(OPENCV_CORE_CONFIG_DIR opencv2/cvconfig.h
          PATH_SUFFIXES ${CMAKE_LIBRARY_ARCHITECTURE}/opencv4 opencv4)
find_library(OPENCV_CORE_LIBRARY opencv_core)

if(NOT OPENCV_CORE_INCLUDE_DIR OR NOT OPENCV_CORE_CONFIG_DIR OR NOT OPENCV_CORE_LIBRARY)
    message(FATAL_ERROR "OpenCV core not found: run scripts/install-deps.sh (package libopencv-core-dev).")
endif()

add_library(OpenCV::core UNKNOWN IMPORTED)
set_target_properties(OpenCV::core PROPERTIES
    IMPORTED_LOCATION "${OPENCV_CORE_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${OPENCV_CORE_INCLUDE_DIR};${OPENCV_CORE_CONFIG_DIR}")
