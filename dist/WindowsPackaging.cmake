# The Windows package: cpack -G ZIP (from the build directory) gives
# jsdebug-<version>-win32.zip (win64 for the x86_64 build) holding jsdebug-cli.exe and v8.dll side
# by side, as the program looks for its engine beside itself, and the README.
install(TARGETS jsdebug-cli RUNTIME DESTINATION .)
install(TARGETS jsdebug_v8engine RUNTIME DESTINATION . LIBRARY DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/dist/copyright DESTINATION . RENAME copyright.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME jsdebug)
set(CPACK_PACKAGE_VENDOR "The jsdebug developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "workbench for the JavaScript that E-language programs call")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
