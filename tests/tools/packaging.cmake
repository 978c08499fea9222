# setup.sh and the Debian package's Build-Depends name the same packages.
add_test(NAME build_packages_check
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/build_packages_check.sh ${PROJECT_SOURCE_DIR})
