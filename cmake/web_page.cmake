# The web page's two instances of the core. The page's own is built with
# Asyncify, so that the core's synchronous questions await the page's
# dialogs; Asyncify cannot be combined with WebAssembly's exceptions, so
# that instance is configured with ZUNPA_WEB_EXCEPTIONS=js in a tree of its
# own (scripts/web.sh). 読み's worker instance waits on nothing and is
# built in the main tree.
set(zunpa_web_module_flags -sMODULARIZE=1 -sEXPORT_ES6=1 -sDYNAMIC_EXECUTION=0 -sALLOW_MEMORY_GROWTH=1
                           -sEXIT_RUNTIME=0 -sINCOMING_MODULE_JS_API=[locateFile,wasmBinary,print,printErr])

# The header-only JSON library, without the rest of /usr/include.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/page-json-include)
file(CREATE_LINK /usr/include/nlohmann ${CMAKE_BINARY_DIR}/page-json-include/nlohmann SYMBOLIC)

if(ZUNPA_WEB_EXCEPTIONS STREQUAL "js")
  file(GLOB zunpa_page_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/bridge/*.cpp)
  add_executable(zunpa-page ${zunpa_page_sources})
  target_include_directories(zunpa-page SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/page-json-include)
  target_link_libraries(zunpa-page PRIVATE zunpa_core zunpa_ui_logic zunpa_warnings)
  # The data files live in memory and are kept in IndexedDB by the page.
  target_link_options(
    zunpa-page PRIVATE ${zunpa_web_module_flags} -sEXPORT_NAME=createZunpaPage -sENVIRONMENT=web -sASYNCIFY=1
    -sASYNCIFY_STACK_SIZE=262144 -sFORCE_FILESYSTEM=1
    -sEXPORTED_FUNCTIONS=[_zp_query,_zp_command,_malloc,_free]
    -sEXPORTED_RUNTIME_METHODS=[ccall,FS,UTF8ToString,stringToUTF8,lengthBytesUTF8])
endif()

file(GLOB zunpa_worker_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/worker/*.cpp)
if(zunpa_worker_sources)
  add_executable(zunpa-yomi-worker ${zunpa_worker_sources})
  target_include_directories(zunpa-yomi-worker SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/page-json-include)
  target_link_libraries(zunpa-yomi-worker PRIVATE zunpa_analysis zunpa_ui_logic zunpa_warnings)
  target_link_options(zunpa-yomi-worker PRIVATE ${zunpa_web_module_flags} -sEXPORT_NAME=createYomiWorker
                      -sENVIRONMENT=worker -sEXPORTED_FUNCTIONS=[_malloc,_free]
                      -sEXPORTED_RUNTIME_METHODS=[ccall,UTF8ToString])
endif()
