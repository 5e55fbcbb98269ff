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
# The same sweep's CSV file: a header and one line per combination, with the times
# the combination lines print.
set(csv ${WORKDIR}/sweep.csv)
file(REMOVE ${csv})
execute_process(COMMAND ${FIGURES} --preset "Default Design" --sweep --sw 1,2,0.5 --csv ${csv} OUTPUT_VARIABLE out
                RESULT_VARIABLE rc)
file(STRINGS ${csv} rows)
list(LENGTH rows n)
list(GET rows 0 header)
if(NOT rc EQUAL 0 OR NOT n EQUAL 25 OR NOT header MATCHES "^Spring width \\(in\\),Spring length \\(in\\),Drive wheel dia \\(in\\),Time to 15 ft \\(sec\\)")
  message(FATAL_ERROR "expected a header and 24 rows in ${csv}: ${rc} ${n}")
endif()
string(REGEX MATCH "Combination: ([^ ]+) ([^ ]+) ([^ ]+) ([^\n]+)\n" first "${out}")
list(GET rows 1 row)
string(STRIP "${row}" row)
if(NOT row STREQUAL "${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3},${CMAKE_MATCH_4}")
  message(FATAL_ERROR "the first row ${row} is not the first combination ${first}")
endif()
