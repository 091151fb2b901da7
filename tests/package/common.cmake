# Helpers of the package tests (cmake -P scripts).

# Runs a command; fails the test with its output when it fails. Leaves its output in `out`.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# Configures a fresh build of SOURCE_DIR in `dir` with the options given after it (with
# GENERATOR and CXX) and builds the engine library alone. Leaves the configure's output in
# `configure_out`.
function(build_engine_only dir)
  file(REMOVE_RECURSE ${dir})
  run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${dir} -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX}
      -DCMAKE_BUILD_TYPE=Release ${ARGN})
  set(configure_out "${out}" PARENT_SCOPE)
  run(${CMAKE_COMMAND} --build ${dir} --target barcode_engine --parallel 2)
endfunction()
