# Installs the build tree into a staging folder (DESTDIR), checks the Designer plugin link, loads
# the plugin through it, then builds and runs a program that finds the package with find_package.
# Arguments (-D): BUILD_DIR, CONSUMER_DIR, WORK_ROOT, PLUGIN_DIR, PLUGIN_TEST, GENERATOR,
# CXX_COMPILER, EXTRA_FLAGS (sanitizer flags the library was built with; the program needs them).
cmake_minimum_required(VERSION 3.25)

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}); work folder kept: ${work}\n${out}")
  endif()
endfunction()

# A folder of its own per run, so that runs of several build trees or test jobs never meet.
string(RANDOM LENGTH 8 tag)
set(work "${WORK_ROOT}/install-${tag}")
set(stage "${work}/stage")
set(prefix "/orvane")
file(MAKE_DIRECTORY "${work}")

set(ENV{DESTDIR} "${stage}")
run_step("cmake --install" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
unset(ENV{DESTDIR})

if(IS_ABSOLUTE "${PLUGIN_DIR}")
  set(link "${stage}${PLUGIN_DIR}/liborvane.so")
else()
  set(link "${stage}${prefix}/${PLUGIN_DIR}/liborvane.so")
endif()
if(NOT IS_SYMLINK "${link}" OR NOT EXISTS "${link}")
  message(FATAL_ERROR "no Designer plugin link to the installed library at ${link}; "
    "work folder kept: ${work}")
endif()

set(ENV{ORVANE_TEST_PLUGIN} "${link}")
run_step("loading the plugin through the link" "${PLUGIN_TEST}")
unset(ENV{ORVANE_TEST_PLUGIN})

run_step("configuring the consumer" ${CMAKE_COMMAND} -S "${CONSUMER_DIR}" -B "${work}/consumer"
  -G "${GENERATOR}" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
  "-DCMAKE_PREFIX_PATH=${stage}${prefix}" "-DCMAKE_CXX_FLAGS=${EXTRA_FLAGS}"
  "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS}")
run_step("building the consumer" ${CMAKE_COMMAND} --build "${work}/consumer")
set(ENV{QT_QPA_PLATFORM} offscreen)
run_step("running the consumer" "${work}/consumer/orvane_consumer")

file(REMOVE_RECURSE "${work}")
