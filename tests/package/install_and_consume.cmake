# Installs the build tree into a staging folder (DESTDIR) and checks it as a clean install:
# the headers are exactly the public ones and include nothing that is not installed; the
# Designer plugin link loads and lists what the installed headers declare; a program builds and
# runs against it once through find_package (compiling every installed header on its own too) and
# once through pkg-config.
# Arguments (-D): BUILD_DIR, CONSUMER_DIR, PUBLIC_HEADERS (the source tree's include/orvane),
# WORK_ROOT, PLUGIN_DIR, PLUGIN_TEST, GENERATOR, CXX_COMPILER, EXTRA_FLAGS (sanitizer flags the
# library was built with; the program needs them).
cmake_minimum_required(VERSION 3.25)

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}); work folder kept: ${work}\n${out}")
  endif()
endfunction()

# Like run_step, and gives the output, trimmed, in out_var.
function(run_output out_var what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}); work folder kept: ${work}\n${out}${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

function(fail what)
  message(FATAL_ERROR "${what}; work folder kept: ${work}")
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

# Every header file of the install is a public header, and every public header is installed.
set(include_dir "${stage}${prefix}/include")
file(GLOB_RECURSE installed RELATIVE "${stage}" "${stage}/*.h" "${stage}/*.hh" "${stage}/*.hpp"
  "${stage}/*.hxx" "${stage}/*.inl")
file(GLOB public RELATIVE "${PUBLIC_HEADERS}" "${PUBLIC_HEADERS}/*.h")
set(expected ${public})
list(TRANSFORM expected PREPEND "${prefix}/include/orvane/")
list(TRANSFORM expected REPLACE "^/" "")
list(SORT installed)
list(SORT expected)
if(NOT public OR NOT installed STREQUAL expected)
  fail("installed headers differ from include/orvane/:\n  installed: ${installed}\n  expected: ${expected}")
endif()

# An installed header includes only installed headers: every quoted include, and every angle
# include of an orvane/ path, names a file under the installed include folder.
foreach(header IN LISTS installed)
  file(STRINGS "${stage}/${header}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    # One MATCHES per if: a failed match clears the captures of an earlier one.
    set(included "")
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(included "${CMAKE_MATCH_1}")
    elseif(line MATCHES "#[ \t]*include[ \t]*<(orvane/[^>]+)>")
      set(included "${CMAKE_MATCH_1}")
    endif()
    if(included AND NOT EXISTS "${include_dir}/${included}")
      fail("${header} includes ${included}, which is not installed")
    endif()
  endforeach()
endforeach()

# The plugin as Designer loads it, checked against the installed headers.
set(ENV{ORVANE_TEST_PLUGIN} "${link}")
set(ENV{ORVANE_TEST_HEADERS} "${include_dir}/orvane")
run_step("loading the plugin through the link" "${PLUGIN_TEST}")
unset(ENV{ORVANE_TEST_PLUGIN})
unset(ENV{ORVANE_TEST_HEADERS})

run_step("configuring the consumer" ${CMAKE_COMMAND} -S "${CONSUMER_DIR}" -B "${work}/consumer"
  -G "${GENERATOR}" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
  "-DCMAKE_PREFIX_PATH=${stage}${prefix}" "-DCMAKE_CXX_FLAGS=${EXTRA_FLAGS}"
  "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS}")
run_step("building the consumer" ${CMAKE_COMMAND} --build "${work}/consumer")
set(ENV{QT_QPA_PLATFORM} offscreen)
run_step("running the consumer" "${work}/consumer/orvane_consumer")

# The same program through pkg-config, with the stage as the sysroot. The sysroot moves the
# paths of the Qt modules orvane.pc requires as well, so it is a folder of links: the stage's
# folders, and /usr for whatever the stage does not hold.
file(GLOB_RECURSE pc_files "${stage}/*/orvane.pc")
list(LENGTH pc_files pc_count)
if(NOT pc_count EQUAL 1)
  fail("expected one orvane.pc in the stage, found: ${pc_files}")
endif()
set(sysroot "${work}/sysroot")
file(MAKE_DIRECTORY "${sysroot}")
file(GLOB top RELATIVE "${stage}" "${stage}/*")
foreach(entry IN LISTS top)
  file(CREATE_LINK "${stage}/${entry}" "${sysroot}/${entry}" SYMBOLIC)
endforeach()
if(NOT EXISTS "${sysroot}/usr")
  file(CREATE_LINK /usr "${sysroot}/usr" SYMBOLIC)
endif()
string(REPLACE "${stage}" "${sysroot}" pc_dir "${pc_files}")
get_filename_component(pc_dir "${pc_dir}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} "${pc_dir}")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "${sysroot}")
run_output(requires "pkg-config --print-requires" pkg-config --print-requires orvane)
string(REGEX REPLACE "[ \t]*\n[ \t]*" ";" requires "${requires}")
list(SORT requires)
if(NOT requires STREQUAL "Qt6Gui;Qt6PrintSupport;Qt6Svg;Qt6Widgets")
  fail("orvane.pc requires '${requires}'")
endif()
run_output(flags "pkg-config --cflags --libs orvane" pkg-config --cflags --libs orvane)
unset(ENV{PKG_CONFIG_SYSROOT_DIR})
unset(ENV{PKG_CONFIG_PATH})
if(NOT flags MATCHES "-I${sysroot}${prefix}/include( |$)" OR NOT flags MATCHES "-lorvane"
   OR NOT flags MATCHES "-lQt6Widgets")
  fail("pkg-config gives '${flags}'")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(extra UNIX_COMMAND "${EXTRA_FLAGS}")
run_step("building the consumer with pkg-config" "${CXX_COMPILER}" -std=c++20 -fPIC ${extra}
  "${CONSUMER_DIR}/main.cpp" -o "${work}/pkg_config_consumer" ${flags})
file(GLOB_RECURSE library "${stage}/*/liborvane.so")
list(FILTER library EXCLUDE REGEX "/designer/")
get_filename_component(library_dir "${library}" DIRECTORY)
set(ENV{LD_LIBRARY_PATH} "${library_dir}")
run_step("running the consumer built with pkg-config" "${work}/pkg_config_consumer")
unset(ENV{LD_LIBRARY_PATH})

file(REMOVE_RECURSE "${work}")
