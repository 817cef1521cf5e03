# The core in WebAssembly, built with emscripten (emcmake cmake ...) for node:
# the core's tests, the simulator and the benches run there as they do
# natively, on the real file system.
#
# Exceptions: the session's stop unwinds a chain of steps, and the
# simulator's invariant check reports through one. WebAssembly's own
# exceptions cost nothing until thrown (emscripten's JavaScript ones wrap
# every call that may throw: the engine is 6 % slower with them). Threads
# are off: a page may have them only when served cross-origin isolated, and
# emscripten 3.1.6's threaded C++ library catches WebAssembly exceptions by
# `catch (...)` alone, so that a stop would escape the session.
set(ZUNPA_WEB_EXCEPTIONS "wasm" CACHE STRING "How exceptions are built: wasm or js")
option(ZUNPA_WEB_THREADS "Threads (with js exceptions only)" OFF)
if(ZUNPA_WEB_THREADS AND ZUNPA_WEB_EXCEPTIONS STREQUAL "wasm")
  message(FATAL_ERROR "emscripten 3.1.6 catches no WebAssembly exception by its type when threads are on: "
                      "configure with -DZUNPA_WEB_EXCEPTIONS=js")
endif()
if(ZUNPA_WEB_EXCEPTIONS STREQUAL "wasm")
  set(zunpa_web_flags -fwasm-exceptions)
else()
  set(zunpa_web_flags -fexceptions)
endif()
if(ZUNPA_WEB_THREADS)
  list(APPEND zunpa_web_flags -pthread)
endif()
# Whole-program optimisation makes the engine 10 to 25 % faster here
# (CMake knows no way to ask emscripten for it).
if(ZUNPA_LTO)
  list(APPEND zunpa_web_flags -flto)
endif()
add_compile_options(${zunpa_web_flags})
add_link_options(${zunpa_web_flags})

# What a program for node gets: node's own file system (the simulator's log,
# the tests' temporary folders), room to grow, and its exit status back.
# With threads, workers are started before main(): a thread asked for later
# would wait on a main thread that never yields to start it.
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
# The same on emscripten's in-memory file system, the one a page starts with.
function(zunpa_memfs_program target)
  set(flags ${ZUNPA_NODE_LINK_FLAGS})
  list(REMOVE_ITEM flags -sNODERAWFS=1)
  target_link_options(${target} PRIVATE ${flags})
endfunction()

# Debian's em++ finds its JavaScript helpers (acorn) only on node's system path.
set(zunpa_node_path "env;NODE_PATH=/usr/share/nodejs")
set(CMAKE_CXX_COMPILER_LAUNCHER ${zunpa_node_path})
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "env NODE_PATH=/usr/share/nodejs")
