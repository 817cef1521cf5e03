# The Qt shell: the window in its layers, the program, its pictures, sounds
# and manual, its benches and tools, and its install.

# The Qt shell, in layers: the platform pieces (message boxes, sound,
# fonts, the per-user store), the dialogs, the table window, the program.
find_package(Qt6 REQUIRED COMPONENTS Core Widgets Multimedia)
function(zunpa_qt_layer name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  add_library(${name} STATIC ${sources})
  # The windows gain nothing from whole-program optimisation, and without
  # it the test programs link them as they are.
  set_target_properties(${name} PROPERTIES AUTOMOC ON INTERPROCEDURAL_OPTIMIZATION OFF)
  target_link_libraries(${name} PUBLIC ${ARGN} PRIVATE zunpa_warnings)
endfunction()
zunpa_qt_layer(zunpa_platform src/platform zunpa_ui_logic zunpa_core Qt6::Widgets)
# Sound goes to a PulseAudio (or PipeWire) server through its own client
# library, which follows the server as it comes and goes; without that
# library (Windows) it goes through Qt Multimedia. The other backend is
# still compiled, so that it keeps building.
find_package(PkgConfig)
if(PkgConfig_FOUND)
  pkg_check_modules(PULSE IMPORTED_TARGET libpulse)
endif()
add_library(zunpa_qt_sound_output OBJECT src/platform/audio/qt_output.cpp src/platform/audio/qt_output.h
                                         src/platform/audio/sound_output.h)
set_target_properties(zunpa_qt_sound_output PROPERTIES AUTOMOC ON INTERPROCEDURAL_OPTIMIZATION OFF)
target_link_libraries(zunpa_qt_sound_output PUBLIC zunpa_ui_logic Qt6::Multimedia PRIVATE zunpa_warnings)
if(PULSE_FOUND)
  target_sources(zunpa_platform PRIVATE src/platform/audio/pulse_output.cpp src/platform/audio/pulse_output.h
                                        src/platform/audio/sound_output.h)
  target_compile_definitions(zunpa_platform PRIVATE ZUNPA_HAVE_PULSE)
  target_link_libraries(zunpa_platform PUBLIC PkgConfig::PULSE)
else()
  target_sources(zunpa_platform PRIVATE $<TARGET_OBJECTS:zunpa_qt_sound_output>)
  target_link_libraries(zunpa_platform PUBLIC Qt6::Multimedia)
endif()
zunpa_qt_layer(zunpa_dialogs src/dialogs zunpa_platform)
zunpa_qt_layer(zunpa_table src/table zunpa_dialogs)
target_compile_definitions(zunpa_dialogs PRIVATE ZUNPA_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
                           ZUNPA_VERSION_MINOR=${PROJECT_VERSION_MINOR} ZUNPA_VERSION_PATCH=${PROJECT_VERSION_PATCH})

# The game itself, in the program folder beside its pictures and sounds.
# Its desktop id names the menu entry, the icons and the metainfo.
set(ZUNPA_APP_ID io.github.zunpas.ZunpaS)
add_executable(zunpas WIN32 src/app/main.cpp)
target_link_libraries(zunpas PRIVATE zunpa_table zunpa_warnings)
target_compile_definitions(zunpas PRIVATE ZUNPA_APP_ID="${ZUNPA_APP_ID}")
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  # Its library calls are all bound at start, as Debian wants of a package.
  target_link_options(zunpas PRIVATE -Wl,-z,relro,-z,now)
endif()
add_dependencies(zunpas pictures sounds)

# The window's start-up, idle processor and click-to-turn figures.
find_package(Qt6 REQUIRED COMPONENTS Test)
if(UNIX)  # it reads the processor time the POSIX way
add_executable(zunpa-window-bench bench/window_bench.cpp tests/widgets/modal_answerer_support.cpp
                                  tests/widgets/table_player_support.cpp tests/widgets/program_folder_support.cpp)
target_include_directories(zunpa-window-bench PRIVATE tests)
target_link_libraries(zunpa-window-bench PRIVATE zunpa_table Qt6::Test zunpa_warnings)
endif()
# Pictures of every window, for looking at them.
add_executable(zunpa-shots tools/shots/window_shots.cpp tests/widgets/modal_answerer_support.cpp
                           tests/widgets/table_player_support.cpp tests/widgets/program_folder_support.cpp)
target_include_directories(zunpa-shots PRIVATE tests)
target_link_libraries(zunpa-shots PRIVATE zunpa_table Qt6::Test zunpa_warnings)

# The table's pictures, drawn into the program folder at every build.
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(zunpa-images tools/assets/make_images.cpp tools/assets/card_art.cpp)
target_link_libraries(zunpa-images PRIVATE Qt6::Gui zunpa_warnings)
set(ZUNPA_PICTURES ArrowDn.ICO ArrowUp.ICO ura.bmp Stemp.bmp Htemp.bmp Ctemp.bmp Dtemp.bmp zunpas.ico zunpas.png)
foreach(letter s h c d)
  foreach(rank RANGE 1 13)
    list(APPEND ZUNPA_PICTURES ${letter}${rank}.bmp)
  endforeach()
endforeach()
# The program icon again at the sizes of the desktop's icon theme.
set(ZUNPA_ICON_SIZES 16 32 48 64 128 256)
foreach(size ${ZUNPA_ICON_SIZES})
  list(APPEND ZUNPA_PICTURES zunpas-${size}.png)
endforeach()
list(TRANSFORM ZUNPA_PICTURES PREPEND ${CMAKE_BINARY_DIR}/ OUTPUT_VARIABLE picture_files)
add_custom_command(OUTPUT ${picture_files}
                   COMMAND zunpa-images ${CMAKE_BINARY_DIR}
                   DEPENDS zunpa-images
                   COMMENT "Drawing the card pictures")
add_custom_target(pictures ALL DEPENDS ${picture_files})
add_custom_target(contact-sheet
                  COMMAND zunpa-images --contact-sheet ${CMAKE_BINARY_DIR}/contact-sheet.png
                  DEPENDS zunpa-images
                  COMMENT "Writing contact-sheet.png: every picture at 100 % and 200 %")

# The sounds: five synthesised effects, and the voices when espeak-ng is
# there to speak them.
add_executable(zunpa-sounds tools/assets/make_sounds.cpp tools/assets/effects.cpp tools/assets/wav.cpp)
target_link_libraries(zunpa-sounds PRIVATE Qt6::Core zunpa_warnings)
find_program(ESPEAK_NG espeak-ng)
set(effect_files card.wav agari.wav agari2.wav hizunpa.wav hizunpa2.wav)
list(TRANSFORM effect_files PREPEND ${CMAKE_BINARY_DIR}/)
add_custom_command(OUTPUT ${effect_files} ${CMAKE_BINARY_DIR}/sounds.stamp
                   COMMAND zunpa-sounds ${CMAKE_BINARY_DIR}
                   COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/sounds.stamp
                   DEPENDS zunpa-sounds
                   COMMENT "Making the sounds")
add_custom_target(sounds ALL DEPENDS ${effect_files} ${CMAKE_BINARY_DIR}/sounds.stamp)
if(ESPEAK_NG)
  set(ZUNPA_HAVE_VOICES 1)
else()
  set(ZUNPA_HAVE_VOICES 0)
endif()

# The manual, shown by the help window from the program folder.
configure_file(assets/help/Zunpas.html ${CMAKE_BINARY_DIR}/Zunpas.hlp COPYONLY)

# Installed the freedesktop way, and packaged for Debian; on Windows the
# build folder itself is the program folder (see the README).
if(UNIX AND NOT APPLE)
  include(packaging/install.cmake)
endif()


# What the web page carries from here: the pictures as PNG, the sounds as
# Ogg Opus (a tenth of the size) beside the WAV files, the manual and the
# app's manifest (scripts/web.sh builds it).
find_program(OPUSENC opusenc)
set(web_assets ${CMAKE_BINARY_DIR}/web-assets)
add_custom_target(
  web-assets
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${web_assets}
  COMMAND zunpa-images --web ${web_assets}
  COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DOUT=${web_assets} -DOPUSENC=${OPUSENC}
          -DSTATIC=${PROJECT_SOURCE_DIR}/web/static -P ${PROJECT_SOURCE_DIR}/cmake/web_assets.cmake
  DEPENDS zunpa-images sounds
  COMMENT "Laying out the web page's pictures and sounds")
