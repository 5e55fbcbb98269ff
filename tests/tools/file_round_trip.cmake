# A preset saved with --save and read back with --file gives the same figures, for
# every preset and drive; a refused file exits with status 2 and its message.
foreach(preset "Default Design" "Racer" "Pickup" "Tow Truck" "Wheelie")
  foreach(drive RWD AWD)
    string(REPLACE " " "_" stem "${preset}_${drive}")
    set(file "${WORKDIR}/${stem}.brsk")
    execute_process(COMMAND ${FIGURES} --preset ${preset} --drive ${drive} --chamber octagonal --save ${file}
                    OUTPUT_VARIABLE direct RESULT_VARIABLE rc1)
    execute_process(COMMAND ${FIGURES} --file ${file} OUTPUT_VARIABLE reread RESULT_VARIABLE rc2)
    if(NOT rc1 EQUAL 0 OR NOT rc2 EQUAL 0)
      message(FATAL_ERROR "${preset} ${drive}: exit ${rc1} / ${rc2}")
    endif()
    if(NOT direct STREQUAL reread)
      message(FATAL_ERROR "${preset} ${drive}: figures differ\n${direct}\n---\n${reread}")
    endif()
  endforeach()
endforeach()

file(WRITE "${WORKDIR}/cut.brsk" ":::::VersionInformation:::::\r\n3\r\nHalf a car\r\n1.5\r\n")
execute_process(COMMAND ${FIGURES} --file "${WORKDIR}/cut.brsk" OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT err MATCHES "cut.brsk" OR NOT err MATCHES "Line" OR NOT out STREQUAL "")
  message(FATAL_ERROR "truncated file: exit ${rc}\n${out}${err}")
endif()
execute_process(COMMAND ${FIGURES} --preset Racer --file "${WORKDIR}/cut.brsk" ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "both --preset and --file accepted")
endif()
