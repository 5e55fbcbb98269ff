# The paper prototype written headless: the entire set as one PDF (a portrait
# report, then landscape templates), paper too small for the report refused with
# nothing written, templates larger than the paper in tiles, and the SVG cutting
# templates.
set(pdf "${WORKDIR}/racer_set.pdf")
file(REMOVE "${pdf}")
execute_process(COMMAND ${FIGURES} --preset Racer --print-pdf ${pdf} OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT EXISTS "${pdf}")
  message(FATAL_ERROR "--print-pdf: exit ${rc}\n${err}")
endif()
file(STRINGS "${pdf}" boxes REGEX "/MediaBox")
list(LENGTH boxes pages)
list(GET boxes 0 first)
list(GET boxes 1 second)
if(NOT pages EQUAL 9 OR NOT first MATCHES "612.0+ 792" OR NOT second MATCHES "792.0+ 612")
  message(FATAL_ERROR "entire set: ${pages} pages, ${first}, ${second}")
endif()

# On A5 the report does not fit: refused, nothing written. The outer layer does not
# fit either and prints in tiles.
set(small "${WORKDIR}/racer_a5.pdf")
file(REMOVE "${small}")
execute_process(COMMAND ${FIGURES} --preset Racer --print-pdf ${small} --what report --paper a5
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 2 OR EXISTS "${small}" OR NOT err MATCHES "5.33 x 7.77 inches" OR NOT out STREQUAL "")
  message(FATAL_ERROR "A5 report: exit ${rc}\n${out}${err}")
endif()
execute_process(COMMAND ${FIGURES} --preset Racer --print-pdf ${small} --what outer --paper a5
                OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
file(STRINGS "${small}" tiles REGEX "/MediaBox")
list(LENGTH tiles tiled)
if(NOT rc EQUAL 0 OR tiled LESS 2)
  message(FATAL_ERROR "A5 outer layer: exit ${rc}, ${tiled} pages\n${err}")
endif()

set(svg "${WORKDIR}/racer_svg")
file(REMOVE_RECURSE "${svg}")
execute_process(COMMAND ${FIGURES} --preset Racer --export-svg ${svg} OUTPUT_QUIET RESULT_VARIABLE rc)
file(GLOB written "${svg}/*.svg")
list(LENGTH written count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 4 OR NOT EXISTS "${svg}/Racer outer layer.svg")
  message(FATAL_ERROR "--export-svg: exit ${rc}, ${count} files: ${written}")
endif()

execute_process(COMMAND ${FIGURES} --preset Racer --print-pdf ${pdf} --what everything OUTPUT_QUIET ERROR_QUIET
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "--what everything exited ${rc}")
endif()
