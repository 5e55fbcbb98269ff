# The power designer's sweep from the command line: one line per combination, the
# best texts, and a refused range.
execute_process(COMMAND ${FIGURES} --preset "Default Design" --sweep --sw 1,2,0.5 OUTPUT_VARIABLE out
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "sweep failed: ${rc}")
endif()
string(REGEX MATCHALL "Combination: [^\n]+\n" lines "${out}")
list(LENGTH lines n)
if(NOT n EQUAL 24 OR NOT out MATCHES "\nBestYet: [0-9.]+\nBestSWYet: [0-9.]+\nBestSLYet: 36\nBestDWYet: [0-9.]+\n$")
  message(FATAL_ERROR "expected 24 combinations and the best:\n${out}")
endif()
execute_process(COMMAND ${FIGURES} --preset Racer --sweep --dw 5,4,0.5 OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "All ending values must be greater")
  message(FATAL_ERROR "a refused range: ${rc}\n${out}${err}")
endif()
