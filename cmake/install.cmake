# `cmake --install`: what another project needs to build and try a lock-screen extension.
# The device's headers (platform/sdk) go into include/lumivane, the platform library an
# extension links against and our own library (the one lvsim loads by default) into the
# library folder, lvsim into bin, the scenarios into share/lumivane; a CMake package
# (find_package(Lumivane): Lumivane::platform, Lumivane::lvsim, lumivane_add_extension) and
# lumivane.pc describe them. Every path is relative to the prefix, so it can be moved.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)
set(LV_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Lumivane)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/platform/sdk/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lumivane
        FILES_MATCHING PATTERN "*.h")
set_target_properties(lvplatform PROPERTIES EXPORT_NAME platform)
file(RELATIVE_PATH LV_BIN_TO_LIB /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
set_target_properties(lvsim PROPERTIES INSTALL_RPATH "$ORIGIN/${LV_BIN_TO_LIB}")
install(TARGETS lvplatform lvsim EXPORT LumivaneTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS lumivane LIBRARY DESTINATION ${LV_INSTALLED_LIBRARY_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/scenarios/ DESTINATION ${CMAKE_INSTALL_DATADIR}/lumivane/scenarios)
install(EXPORT LumivaneTargets NAMESPACE Lumivane:: DESTINATION ${LV_PACKAGE_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/LumivaneConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/LumivaneConfig.cmake INSTALL_DESTINATION ${LV_PACKAGE_DIR}
                              PATH_VARS CMAKE_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/LumivaneConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LumivaneConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/LumivaneConfigVersion.cmake
        DESTINATION ${LV_PACKAGE_DIR})

file(RELATIVE_PATH LV_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
configure_file(${CMAKE_CURRENT_LIST_DIR}/lumivane.pc.in ${CMAKE_CURRENT_BINARY_DIR}/lumivane.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lumivane.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
