# One golden case of the batch tool. Called as
#   cmake -DCLI=<tolvane-cli> -DCASE=<dir>/<case> -DWORK=<scratch dir> -P run_golden.cmake
# The case is <case>.json (the input of `calc`), optionally <case>.args (more
# arguments, one per line) and <case>.exit (the expected exit status, default
# 0); the tool's output is compared byte for byte with <case>.expected.
#
# In <case>.args, @OUT@ stands for a scratch output file (then the expected text
# is standard output, "--- output file ---" and that file's bytes) and @DIR@ for
# the cases' folder. When the first line is "show", <case>.json is first turned
# into a project file @PROJECT@ with `calc --format tlv`, and the tool is then
# run with the lines of <case>.args alone; a first line "project" does the
# same and runs the tool with the other lines (e.g. "recalc @PROJECT@"). When the first line is "stdin",
# <case>.json is given on standard input as `calc -` with the other lines.
# When the first line is "curve", the tool runs `curve <case>.json` with the
# other lines.
# When the first line is "pipes", the tool runs with the lines alone and there
# is no <case>.json.
# When the first line is "sparse SIZE NAME", an empty sparse file NAME of SIZE
# bytes is made in the scratch folder (quick, whatever the size), and the tool
# runs there with the other lines alone and NAME on standard input.
# Whatever the tool writes on standard error follows "--- standard error ---".
# -DUPDATE=ON writes the output into <case>.expected instead (check it by hand).
cmake_minimum_required(VERSION 3.25)

foreach(var CLI CASE WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_golden.cmake needs -D${var}=...")
  endif()
endforeach()

get_filename_component(case_dir "${CASE}" DIRECTORY)
get_filename_component(case_name "${CASE}" NAME)
file(MAKE_DIRECTORY "${WORK}")
set(out_file "${WORK}/${case_name}.out")
set(project_file "${WORK}/${case_name}.tlv")
set(stdout_file "${WORK}/${case_name}.stdout")
set(stderr_file "${WORK}/${case_name}.stderr")
set(actual_file "${WORK}/${case_name}.actual")
file(REMOVE "${out_file}" "${project_file}" "${stdout_file}" "${stderr_file}" "${actual_file}")

set(args "")
set(uses_out OFF)
if(EXISTS "${CASE}.args")
  file(STRINGS "${CASE}.args" lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "@OUT@")
      set(uses_out ON)
    endif()
    string(REPLACE "@OUT@" "${out_file}" line "${line}")
    string(REPLACE "@DIR@" "${case_dir}" line "${line}")
    string(REPLACE "@PROJECT@" "${project_file}" line "${line}")
    list(APPEND args "${line}")
  endforeach()
endif()

set(expected_exit 0)
if(EXISTS "${CASE}.exit")
  file(READ "${CASE}.exit" expected_exit)
  string(STRIP "${expected_exit}" expected_exit)
endif()

list(LENGTH args arg_count)
set(first_arg "")
if(arg_count GREATER 0)
  list(GET args 0 first_arg)
endif()

set(run_dir "${case_dir}")
if(first_arg MATCHES "^sparse ([0-9]+) (.+)$")
  set(sparse_file "${WORK}/${CMAKE_MATCH_2}")
  file(REMOVE "${sparse_file}")
  execute_process(COMMAND truncate -s "${CMAKE_MATCH_1}" "${sparse_file}" RESULT_VARIABLE made)
  if(NOT made EQUAL 0)
    message(FATAL_ERROR "${case_name}: cannot make the sparse file ${sparse_file}")
  endif()
  list(REMOVE_AT args 0)
  set(command "${CLI}" ${args})
  set(run_dir "${WORK}")
  set(input_file "${sparse_file}")
elseif(first_arg STREQUAL "show" OR first_arg STREQUAL "project")
  if(first_arg STREQUAL "project")
    list(REMOVE_AT args 0)
  endif()
  execute_process(
    COMMAND "${CLI}" calc "${case_name}.json" --format tlv -o "${project_file}"
    WORKING_DIRECTORY "${case_dir}"
    RESULT_VARIABLE prepare_status
    ERROR_VARIABLE prepare_error)
  if(NOT prepare_status MATCHES "^[01]$")
    message(FATAL_ERROR "preparing the project of ${case_name} failed (${prepare_status}):\n${prepare_error}")
  endif()
  set(command "${CLI}" ${args})
elseif(first_arg STREQUAL "pipes")
  set(command "${CLI}" ${args})
elseif(first_arg STREQUAL "curve")
  list(REMOVE_AT args 0)
  set(command "${CLI}" curve "${case_name}.json" ${args})
elseif(first_arg STREQUAL "stdin")
  list(REMOVE_AT args 0)
  set(command "${CLI}" calc - ${args})
  set(input_file "${case_dir}/${case_name}.json")
else()
  set(command "${CLI}" calc "${case_name}.json" ${args})
endif()
if(NOT DEFINED input_file)
  set(input_file /dev/null)
endif()

execute_process(
  COMMAND ${command}
  WORKING_DIRECTORY "${run_dir}"
  INPUT_FILE "${input_file}"
  OUTPUT_FILE "${stdout_file}"
  ERROR_FILE "${stderr_file}"
  RESULT_VARIABLE status)

if(DEFINED sparse_file)
  file(REMOVE "${sparse_file}")
endif()

# The compared text is put together with `cmake -E cat`, which keeps every
# byte (file(READ) would drop the CR of CR LF).
set(parts "${stdout_file}")
if(uses_out)
  file(WRITE "${WORK}/${case_name}.out-marker" "--- output file ---\n")
  list(APPEND parts "${WORK}/${case_name}.out-marker")
  if(EXISTS "${out_file}")
    list(APPEND parts "${out_file}")
  endif()
endif()
file(READ "${stderr_file}" error_text)
if(NOT error_text STREQUAL "")
  file(WRITE "${WORK}/${case_name}.err-marker" "--- standard error ---\n")
  list(APPEND parts "${WORK}/${case_name}.err-marker" "${stderr_file}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E cat ${parts} OUTPUT_FILE "${actual_file}")

if(UPDATE)
  file(COPY_FILE "${actual_file}" "${CASE}.expected")
  message(STATUS "${case_name}: wrote ${CASE}.expected (exit status ${status})")
  return()
endif()

if(NOT status STREQUAL expected_exit)
  message(FATAL_ERROR "${case_name}: exit status ${status}, expected ${expected_exit}\n${error_text}")
endif()
if(NOT EXISTS "${CASE}.expected")
  message(FATAL_ERROR "${case_name}: ${CASE}.expected is missing")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${CASE}.expected" "${actual_file}"
                RESULT_VARIABLE differs)
if(differs)
  find_program(DIFF diff)
  set(diff_text "")
  if(DIFF)
    execute_process(COMMAND "${DIFF}" -u "${CASE}.expected" "${actual_file}" OUTPUT_VARIABLE diff_text)
  endif()
  message(FATAL_ERROR "${case_name}: output differs from ${case_name}.expected\n${diff_text}")
endif()
