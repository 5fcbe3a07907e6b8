# What `cmake --install` puts where: the command in bin, the library in the library
# folder (lib/<multiarch> for the prefix /usr), its header in include, the pkg-config and
# CMake package files beside the library, the sample books and the demonstration in
# share/zulparvo, the documents in share/doc/zulparvo and the Python package where
# Debian's Python finds packages.
include(CMakePackageConfigHelpers)

install(TARGETS zulparvo_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# find_package(zulparvo) gives the target zulparvo::zulparvo.
set(zulparvo_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/zulparvo)
install(EXPORT zulparvoTargets NAMESPACE zulparvo:: DESTINATION ${zulparvo_cmake_dir})
configure_package_config_file(cmake/zulparvoConfig.cmake.in ${PROJECT_BINARY_DIR}/zulparvoConfig.cmake
  INSTALL_DESTINATION ${zulparvo_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/zulparvoConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/zulparvoConfig.cmake ${PROJECT_BINARY_DIR}/zulparvoConfigVersion.cmake
  DESTINATION ${zulparvo_cmake_dir})

# The pkg-config file finds the prefix from its own place, so that the installed tree
# can be moved (a staging folder, a test's temporary prefix).
file(RELATIVE_PATH zulparvo_pc_to_prefix /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(cmake/zulparvo.pc.in ${PROJECT_BINARY_DIR}/zulparvo.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/zulparvo.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The sample data as the build tree holds it: the profile, the books' databases and the
# demonstration script.
get_filename_component(zulparvo_sample_data_dir ${zulparvo_sample_profile} DIRECTORY)
install(DIRECTORY ${zulparvo_sample_data_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zulparvo
  FILES_MATCHING PATTERN "*.ini" PATTERN "*.db" PATTERN "*.json")

file(GLOB zulparvo_documents ${PROJECT_SOURCE_DIR}/docs/*.md)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${zulparvo_documents} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(ZULPARVO_PYTHON_DIR lib/python3/dist-packages CACHE STRING
    "Where the Python package is installed, below the prefix")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/python/zulparvo DESTINATION ${ZULPARVO_PYTHON_DIR}
  PATTERN __pycache__ EXCLUDE)
