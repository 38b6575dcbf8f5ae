# A table made at 10 m³/h and recalculated at 20 m³/h equals the same elements
# calculated at 20 m³/h, byte for byte, as JSON report and as project file.
# Called as
#   cmake -DCLI=<tolvane-cli> -DDIR=<this folder> -DWORK=<scratch> -DSYSTEM=metric|us -P run_recalc.cmake
# The metric table takes the new rate of flow from --flow, the US table its
# whole medium from medium_20.json.
cmake_minimum_required(VERSION 3.25)
file(MAKE_DIRECTORY "${WORK}")
if(SYSTEM STREQUAL "us")
  set(at10 every_kind_us_10.json)
  set(at20 every_kind_us_20.json)
  set(change --medium "${DIR}/medium_20.json")
else()
  set(at10 every_kind_10.json)
  set(at20 every_kind_20.json)
  set(change --flow 20 --flow-unit "m³/h")
endif()

function(run)
  execute_process(COMMAND "${CLI}" ${ARGN} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "tolvane-cli ${ARGN}: exit ${rc}\n${err}")
  endif()
endfunction()

set(project "${WORK}/${SYSTEM}_at_10.tlv")
run(calc "${DIR}/${at10}" --format tlv -o "${project}")
foreach(format json tlv)
  run(recalc "${project}" ${change} --roughness 0.1 --roughness-unit mm --format ${format}
      -o "${WORK}/${SYSTEM}_recalc.${format}")
  run(calc "${DIR}/${at20}" --format ${format} -o "${WORK}/${SYSTEM}_calc.${format}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                  "${WORK}/${SYSTEM}_recalc.${format}" "${WORK}/${SYSTEM}_calc.${format}"
                  RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "recalc at 20 m³/h (${format}) differs from calc at 20 m³/h: "
                        "${WORK}/${SYSTEM}_recalc.${format} ${WORK}/${SYSTEM}_calc.${format}")
  endif()
endforeach()
