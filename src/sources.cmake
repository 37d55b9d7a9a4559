# The library's sources, for the simulator's build (src/CMakeLists.txt) and the phone's
# (device/CMakeLists.txt). The installation records serve lvsim and exist only here.
file(GLOB_RECURSE LUMIVANE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
set(LUMIVANE_SIMULATOR_SOURCES ${CMAKE_CURRENT_LIST_DIR}/startup/install_records.cpp)
list(REMOVE_ITEM LUMIVANE_SOURCES ${LUMIVANE_SIMULATOR_SOURCES})
