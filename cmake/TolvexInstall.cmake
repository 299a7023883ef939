# Install rules: headers under include/tolvex and include/ruvak3, both
# libraries, the CMake package `tolvex` and tolvex.pc. Components split them
# the way the Debian packages do: `runtime` (libtolvex.so.1), `ruvak3`
# (the base-library stand-in) and `dev` (everything a build needs).
include(CMakePackageConfigHelpers)

set(TOLVEX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tolvex)

install(TARGETS tolvex EXPORT tolvexTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    COMPONENT runtime NAMELINK_COMPONENT dev
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS ruvak3 EXPORT tolvexTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    COMPONENT ruvak3 NAMELINK_COMPONENT dev)

# Public headers only: tests and private headers (*_internal.h) stay behind.
install(DIRECTORY tolvex/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tolvex
  COMPONENT dev
  FILES_MATCHING PATTERN "*.h"
  PATTERN "*_internal.h" EXCLUDE
  PATTERN "*_test*.h" EXCLUDE)
install(FILES ${PROJECT_BINARY_DIR}/generated/tolvex/version.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tolvex COMPONENT dev)
install(DIRECTORY ruvak3/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ruvak3
  COMPONENT dev
  FILES_MATCHING PATTERN "*.h"
  PATTERN "*_internal.h" EXCLUDE
  PATTERN "*_test*.h" EXCLUDE)

install(EXPORT tolvexTargets NAMESPACE tolvex:: DESTINATION ${TOLVEX_CMAKE_DIR}
  COMPONENT dev)
configure_package_config_file(cmake/tolvexConfig.cmake.in
  ${PROJECT_BINARY_DIR}/tolvexConfig.cmake INSTALL_DESTINATION ${TOLVEX_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tolvexConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tolvexConfig.cmake
  ${PROJECT_BINARY_DIR}/tolvexConfigVersion.cmake
  DESTINATION ${TOLVEX_CMAKE_DIR} COMPONENT dev)

file(RELATIVE_PATH TOLVEX_PC_TO_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig
     ${CMAKE_INSTALL_PREFIX})
configure_file(cmake/tolvex.pc.in ${PROJECT_BINARY_DIR}/tolvex.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tolvex.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)
