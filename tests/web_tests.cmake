# The page's tests: its TypeScript's own rules under vitest, and the whole
# page in Debian's chromium through playwright-core, one test a script of
# web/tests/browser. They need the site (scripts/web.sh build) and, for the
# files the page must write, the desktop build's zunpa-default-user.
set(ZUNPA_NATIVE_BUILD ${PROJECT_SOURCE_DIR}/build CACHE PATH "The desktop build, for the expected files")
set(web_dir ${PROJECT_SOURCE_DIR}/web)
list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 zunpa_node)
add_test(NAME web_unit COMMAND ${web_dir}/node_modules/.bin/vitest run --root ${web_dir})
file(GLOB browser_tests CONFIGURE_DEPENDS ${web_dir}/tests/browser/*.test.mjs)
foreach(test ${browser_tests})
  get_filename_component(name ${test} NAME_WE)
  add_test(NAME web_browser_${name} COMMAND ${zunpa_node} ${test})
  set_tests_properties(
    web_browser_${name}
    PROPERTIES ENVIRONMENT "ZUNPA_SITE=${CMAKE_BINARY_DIR}/site;ZUNPA_NATIVE_BUILD=${ZUNPA_NATIVE_BUILD};ZUNPA_SHOTS=${CMAKE_BINARY_DIR}/shots"
               # One browser at a time: two would share the two cores with the page's timers.
               RESOURCE_LOCK chromium TIMEOUT 600)
endforeach()
