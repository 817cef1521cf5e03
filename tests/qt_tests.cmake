# The tests of the Qt shell: its pictures and sounds, the windows offscreen,
# the game on the real pieces of a desktop, and the installed game.

# The game's CP932 codec and the texts of its files against Qt's codec,
# which the data files were written through before.
add_executable(zunpa_cp932_codec_test files/cp932_codec_test.cpp)
target_link_libraries(zunpa_cp932_codec_test PRIVATE zunpa_core Qt6::Core zunpa_warnings GTest::gtest GTest::gtest_main)
zunpa_quick_link(zunpa_cp932_codec_test)
gtest_discover_tests(zunpa_cp932_codec_test DISCOVERY_TIMEOUT 60)

add_executable(zunpa_assets_tests assets/assets_test.cpp ${PROJECT_SOURCE_DIR}/tools/assets/wav.cpp)
target_include_directories(zunpa_assets_tests PRIVATE ${PROJECT_SOURCE_DIR}/tools/assets)
target_link_libraries(zunpa_assets_tests PRIVATE zunpa_core Qt6::Gui zunpa_warnings GTest::gtest)
zunpa_quick_link(zunpa_assets_tests)
target_compile_definitions(zunpa_assets_tests PRIVATE ZUNPA_PROGRAM_DIR="${CMAKE_BINARY_DIR}"
                           ZUNPA_HAVE_VOICES=${ZUNPA_HAVE_VOICES}
                           ZUNPA_IMAGES_TOOL="$<TARGET_FILE:zunpa-images>" ZUNPA_SOUNDS_TOOL="$<TARGET_FILE:zunpa-sounds>")
add_dependencies(zunpa_assets_tests pictures sounds)
gtest_discover_tests(zunpa_assets_tests DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
# The windows, on the offscreen platform: one QtTest program per file. They
# keep QSettings out of the real store and find the pictures and sounds in
# the program folder.
find_package(Qt6 REQUIRED COMPONENTS Test)
# What every window test shares is built once, not once per test program.
file(GLOB widget_support CONFIGURE_DEPENDS widgets/*_support.cpp)
add_library(zunpa_widget_test_support STATIC ${widget_support})
set_target_properties(zunpa_widget_test_support PROPERTIES AUTOMOC ON INTERPROCEDURAL_OPTIMIZATION OFF)
target_include_directories(zunpa_widget_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zunpa_widget_test_support PUBLIC zunpa_table Qt6::Test PRIVATE zunpa_warnings)
file(GLOB widget_tests CONFIGURE_DEPENDS widgets/*_test.cpp)
foreach(source ${widget_tests})
  get_filename_component(test_name ${source} NAME_WE)
  add_executable(${test_name} ${source})
  set_target_properties(${test_name} PROPERTIES AUTOMOC ON)
  zunpa_quick_link(${test_name})
  target_link_libraries(${test_name} PRIVATE zunpa_widget_test_support zunpa_warnings)
  target_compile_definitions(${test_name} PRIVATE ZUNPA_PROGRAM_DIR="${CMAKE_BINARY_DIR}"
                             ZUNPA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  add_dependencies(${test_name} pictures sounds)
  add_test(NAME ${test_name} COMMAND ${test_name})
  # No sound server: whatever the machine runs, the call-outs are balloons.
  set_tests_properties(${test_name} PROPERTIES TIMEOUT 600
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/runtime;PULSE_SERVER=unix:/nonexistent")
endforeach()

# The dialogs on a full HD screen, and at twice the scale too, as on a
# high-DPI one.
set(full_hd "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/widgets/full_hd_screen.json")
set_tests_properties(dialog_texts_test PROPERTIES ENVIRONMENT
                     "${full_hd};XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/runtime;PULSE_SERVER=unix:/nonexistent")
add_test(NAME dialog_texts_at_2x_test COMMAND dialog_texts_test)
set_tests_properties(dialog_texts_at_2x_test PROPERTIES TIMEOUT 120 ENVIRONMENT
                     "${full_hd};QT_SCALE_FACTOR=2;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/runtime;PULSE_SERVER=unix:/nonexistent")

# The game on the real pieces of a desktop, each a private instance that
# the test starts and stops itself (run_on_desktop.sh starts the display,
# the window manager, the accessibility bus or the compositor).
function(zunpa_desktop_test name pieces)
  add_executable(${name} desktop/${name}.cpp ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  zunpa_quick_link(${name})
  target_link_libraries(${name} PRIVATE zunpa_widget_test_support zunpa_warnings)
  target_compile_definitions(${name} PRIVATE ZUNPA_PROGRAM_DIR="${CMAKE_BINARY_DIR}"
                             ZUNPA_READER="${CMAKE_CURRENT_SOURCE_DIR}/desktop/read_accessible_tree.py")
  add_dependencies(${name} pictures sounds)
  if(pieces STREQUAL "none")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    add_test(NAME ${name} COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/desktop/run_on_desktop.sh ${pieces} 280
                                  $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "PULSE_SERVER=unix:/nonexistent")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
zunpa_desktop_test(sound_server_test none desktop/private_sound_server.cpp)
zunpa_desktop_test(screen_reader_test x11,a11y)
zunpa_desktop_test(keys_stay_test x11,openbox)
add_test(NAME keys_stay_on_wayland_test COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/desktop/run_on_desktop.sh sway 280
                                                $<TARGET_FILE:keys_stay_test>)
set_tests_properties(keys_stay_on_wayland_test PROPERTIES TIMEOUT 300 ENVIRONMENT "PULSE_SERVER=unix:/nonexistent")

# The installed game: played through its menus from a read-only prefix by a
# driver Qt loads into it as a plugin, so the executable is the one users
# get. Then the Debian package, and the menu entry and metainfo as the
# desktop's own tools read them.
add_library(zunpa_game_driver MODULE install/game_driver_plugin.cpp widgets/modal_answerer_support.cpp)
set_target_properties(zunpa_game_driver PROPERTIES AUTOMOC ON)
target_include_directories(zunpa_game_driver PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zunpa_game_driver PRIVATE Qt6::Widgets zunpa_warnings)
add_test(NAME installed_game_writes_only_the_users_data_folder
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/install/installed_game_test.sh ${CMAKE_BINARY_DIR}
                 $<TARGET_FILE:zunpa_game_driver>)
if(ZUNPA_HAVE_VOICES)
  set(installed_sounds 42)
else()
  set(installed_sounds 5)
endif()
add_test(NAME deb_package_holds_the_game
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/install/deb_package_test.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                 ${installed_sounds})
# Both install from the build folder; one at a time.
set_tests_properties(installed_game_writes_only_the_users_data_folder deb_package_holds_the_game
                     PROPERTIES TIMEOUT 600 RESOURCE_LOCK build_folder_install)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME desktop_entry_is_valid COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_BINARY_DIR}/${ZUNPA_APP_ID}.desktop)
  set_tests_properties(desktop_entry_is_valid PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  add_test(NAME metainfo_is_valid
           COMMAND ${APPSTREAMCLI} validate --no-net ${CMAKE_BINARY_DIR}/${ZUNPA_APP_ID}.metainfo.xml)
endif()

