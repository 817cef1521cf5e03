# The core in WebAssembly, built with emscripten (emcmake cmake ...) for node:
# the core's tests, the simulator and the benches run there as they do
# natively, on the real file system and with threads.
#
# Exceptions: the session's stop unwinds a chain of steps, and the
# simulator's invariant check reports through one. WebAssembly's own
# exceptions cost nothing until thrown; emscripten's JavaScript ones wrap
# every call that may throw.
set(ZUNPA_WEB_EXCEPTIONS "wasm" CACHE STRING "How exceptions are built: wasm or js")
if(ZUNPA_WEB_EXCEPTIONS STREQUAL "wasm")
  set(zunpa_exception_flag -fwasm-exceptions)
else()
  set(zunpa_exception_flag -fexceptions)
endif()
option(ZUNPA_WEB_THREADS "Threads (node and pages served cross-origin isolated only)" ON)
set(zunpa_web_flags ${zunpa_exception_flag})
if(ZUNPA_WEB_THREADS)
  list(APPEND zunpa_web_flags -pthread)
endif()
add_compile_options(${zunpa_web_flags})
add_link_options(${zunpa_web_flags})

# What a program for node gets: node's own file system (the simulator's log,
# the tests' temporary folders), room to grow, and its exit status back.
# Workers are started before main(): a thread asked for later would wait on
# a main thread that never yields to start it.
set(ZUNPA_NODE_LINK_FLAGS -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=node
                          "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/cmake/node_wasm_binary.js")
if(ZUNPA_WEB_THREADS)
  list(APPEND ZUNPA_NODE_LINK_FLAGS -sPTHREAD_POOL_SIZE=8 -sPTHREAD_POOL_SIZE_STRICT=2)
  # Growing memory costs JavaScript a check at each access of it, and ours
  # is only the file calls.
  set(ZUNPA_LINK_WARNING_FLAGS -Wno-pthreads-mem-growth)
endif()
function(zunpa_node_program target)
  target_link_options(${target} PRIVATE ${ZUNPA_NODE_LINK_FLAGS})
endfunction()

# Debian's em++ finds its JavaScript helpers (acorn) only on node's system path.
set(zunpa_node_path "env;NODE_PATH=/usr/share/nodejs")
set(CMAKE_CXX_COMPILER_LAUNCHER ${zunpa_node_path})
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "env NODE_PATH=/usr/share/nodejs")
