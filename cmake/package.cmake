# The installable package, all of it in the install component "engine": the engine library
# and its public headers under include/barcode/, a CMake package (find_package(barcode) gives
# barcode::engine) and a pkg-config file (barcode-engine). Static or shared as the engine is
# built (BUILD_SHARED_LIBS). `cmake --install <build> --component engine` installs this alone.
include(CMakePackageConfigHelpers)

set(BARCODE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/barcode)

set_target_properties(barcode_engine PROPERTIES EXPORT_NAME engine)
install(TARGETS barcode_engine EXPORT barcodeTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT engine
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT engine NAMELINK_COMPONENT engine
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT engine)
# What bars.h includes, the GS1 parser and Digital Link and the check-digit routine; the
# encoders' and the GS1 table's headers and rounding.h stay private.
install(FILES
  ${PROJECT_SOURCE_DIR}/engine/bars.h
  ${PROJECT_SOURCE_DIR}/engine/catalogue.h
  ${PROJECT_SOURCE_DIR}/engine/encoding.h
  ${PROJECT_SOURCE_DIR}/engine/gs1.h
  ${PROJECT_SOURCE_DIR}/engine/digital_link.h
  ${PROJECT_SOURCE_DIR}/engine/component.h
  ${PROJECT_SOURCE_DIR}/engine/exceptions.h
  ${PROJECT_SOURCE_DIR}/engine/geometry.h
  ${PROJECT_SOURCE_DIR}/engine/graphics.h
  ${PROJECT_SOURCE_DIR}/engine/chksum.h
  ${PROJECT_SOURCE_DIR}/engine/module_matrix.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/barcode COMPONENT engine)
install(EXPORT barcodeTargets NAMESPACE barcode:: DESTINATION ${BARCODE_CMAKE_DIR}
  COMPONENT engine)

if(BUILD_SHARED_LIBS)
  set(BARCODE_LIBRARY_KIND shared)
else()
  set(BARCODE_LIBRARY_KIND static)
endif()
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/barcodeConfig.cmake.in
  ${PROJECT_BINARY_DIR}/barcodeConfig.cmake INSTALL_DESTINATION ${BARCODE_CMAKE_DIR})
# Before 1.0 a minor version may change the interface.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/barcodeConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/barcodeConfig.cmake
  ${PROJECT_BINARY_DIR}/barcodeConfigVersion.cmake DESTINATION ${BARCODE_CMAKE_DIR}
  COMPONENT engine)

# The .pc file finds its prefix from where it lies, so that the tree can be installed under
# any prefix (cmake --install --prefix) or moved afterwards.
set(BARCODE_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH BARCODE_PC_TO_PREFIX /${BARCODE_PC_DIR} /)
string(REGEX REPLACE "/$" "" BARCODE_PC_TO_PREFIX "${BARCODE_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/barcode-engine.pc.in
  ${PROJECT_BINARY_DIR}/barcode-engine.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/barcode-engine.pc DESTINATION ${BARCODE_PC_DIR}
  COMPONENT engine)
