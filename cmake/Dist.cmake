# The release package of the Windows build: dist/tesserin-VERSION-win64.zip in the build tree
# (win32 for the i686 build; `make dist` puts both in build/dist), made with every build, and
# its test: unpacked into an empty folder, both programs start from there under Wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(DIST_NAME tesserin-${PROJECT_VERSION}-win32)
else()
  set(DIST_NAME tesserin-${PROJECT_VERSION}-win64)
endif()
set(DIST_DIR ${PROJECT_BINARY_DIR}/dist)
set(DIST_ZIP ${DIST_DIR}/${DIST_NAME}.zip)
file(GLOB GUIDE_PICTURES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/images/*.png)

add_custom_command(
  OUTPUT ${DIST_ZIP} ${DIST_DIR}/SHA256SUMS
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/make-dist ${DIST_DIR} ${DIST_NAME} $<TARGET_FILE:tesserin>
          $<TARGET_FILE:tesserin-cli> ${CMAKE_STRIP}
  DEPENDS tesserin tesserin-cli ${PROJECT_SOURCE_DIR}/scripts/make-dist ${PROJECT_SOURCE_DIR}/scripts/guide-html
          ${PROJECT_SOURCE_DIR}/docs/guide.md ${PROJECT_SOURCE_DIR}/LICENSE ${GUIDE_PICTURES}
  VERBATIM)
add_custom_target(dist ALL DEPENDS ${DIST_ZIP})

add_test(NAME dist COMMAND ${PROJECT_SOURCE_DIR}/tests/dist/unpack-and-run.sh ${DIST_ZIP}
         ${CMAKE_OBJDUMP})
set_tests_properties(dist PROPERTIES SKIP_RETURN_CODE 77)
