# Installs the build tree into a staging folder (DESTDIR), builds the viewer example against it
# with warnings as errors, runs the viewer's tests, then runs the program: a screenshot of a
# sample drawing must be written (exit 0), a missing drawing must end it with exit status 2.
# Arguments (-D): BUILD_DIR, VIEWER_DIR, SAMPLE, WORK, PICTURE_DIR, GENERATOR, CXX_COMPILER,
# COMPILER_LAUNCHER (may be empty), EXTRA_FLAGS (sanitizer flags the library was built with).
# Compiler flags from the environment (CXXFLAGS) reach the viewer's build when EXTRA_FLAGS is
# empty.
cmake_minimum_required(VERSION 3.25)

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}); work folder kept: ${WORK}\n${out}")
  endif()
endfunction()

set(stage "${WORK}/stage")
set(prefix "/orvane")
set(viewer_build "${WORK}/viewer-build")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(ENV{DESTDIR} "${stage}")
run_step("cmake --install" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
unset(ENV{DESTDIR})

set(configure_args -S "${VIEWER_DIR}" -B "${viewer_build}" -G "${GENERATOR}"
  -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
  "-DCMAKE_PREFIX_PATH=${stage}${prefix}" -DORVANE_VIEWER_STRICT=ON
  "-DVIEWER_PICTURE_DIR=${PICTURE_DIR}")
if(COMPILER_LAUNCHER)
  list(APPEND configure_args "-DCMAKE_CXX_COMPILER_LAUNCHER=${COMPILER_LAUNCHER}")
endif()
if(EXTRA_FLAGS)
  list(APPEND configure_args "-DCMAKE_CXX_FLAGS=${EXTRA_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS}")
endif()
run_step("configuring the viewer" ${CMAKE_COMMAND} ${configure_args})
run_step("building the viewer" ${CMAKE_COMMAND} --build "${viewer_build}")

set(ENV{QT_QPA_PLATFORM} offscreen)
run_step("the viewer's tests" ${CMAKE_CTEST_COMMAND} --test-dir "${viewer_build}"
  --output-on-failure)

set(picture "${PICTURE_DIR}/viewer-sample.png")
file(REMOVE "${picture}")
run_step("the viewer on ${SAMPLE}" "${viewer_build}/orvane_viewer" --screenshot "${picture}"
  "${SAMPLE}")
if(NOT EXISTS "${picture}")
  message(FATAL_ERROR "the viewer wrote no screenshot ${picture}")
endif()

execute_process(COMMAND "${viewer_build}/orvane_viewer" --screenshot "${WORK}/none.png"
  "${WORK}/missing.dxf" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 2 OR EXISTS "${WORK}/none.png" OR NOT out MATCHES "missing.dxf")
  message(FATAL_ERROR "a missing drawing ended the viewer with ${status}, expected 2 and a "
    "message naming the file:\n${out}")
endif()

file(REMOVE_RECURSE "${WORK}")
