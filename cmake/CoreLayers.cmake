# The core library is built folder by folder, lowest first. Each folder is a
# library of its own that links the folders it builds on, and it compiles against
# an include root that holds only those folders and itself, so an include of a
# folder above it does not compile: the directions below are the only ones.
set(BRISKO_CORE_DIR ${CMAKE_SOURCE_DIR}/src/core)
set(BRISKO_LAYERS text ui model persist geometry analysis render session output)
set(BRISKO_LAYER_text_USES)
set(BRISKO_LAYER_ui_USES)
set(BRISKO_LAYER_model_USES text)
set(BRISKO_LAYER_persist_USES model)
set(BRISKO_LAYER_geometry_USES model)
set(BRISKO_LAYER_analysis_USES geometry)
set(BRISKO_LAYER_render_USES analysis persist)
set(BRISKO_LAYER_session_USES analysis persist ui)
set(BRISKO_LAYER_output_USES render)

# The folders a layer may include: itself and everything below what it uses.
function(brisko_layer_sees layer out)
  set(seen ${layer})
  foreach(used ${BRISKO_LAYER_${layer}_USES})
    brisko_layer_sees(${used} below)
    list(APPEND seen ${below})
  endforeach()
  list(REMOVE_DUPLICATES seen)
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# A directory of links to the folders `layer` may include.
function(brisko_layer_include_root layer out)
  set(root ${CMAKE_BINARY_DIR}/core-layers/${layer})
  brisko_layer_sees(${layer} seen)
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(folder ${seen})
    file(CREATE_LINK ${BRISKO_CORE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

foreach(layer ${BRISKO_LAYERS})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${BRISKO_CORE_DIR}/${layer}/*.cpp)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${BRISKO_CORE_DIR}/${layer}/*.h)
  set(uses)
  foreach(used ${BRISKO_LAYER_${layer}_USES})
    list(APPEND uses brisko_${used})
  endforeach()
  if(sources)
    brisko_layer_include_root(${layer} root)
    add_library(brisko_${layer} STATIC ${sources} ${headers})
    target_include_directories(brisko_${layer} PRIVATE ${root})
    target_link_libraries(brisko_${layer} PUBLIC ${uses} Qt6::Core Qt6::Gui)
    target_compile_options(brisko_${layer} PRIVATE -Wall -Wextra)
  else()
    add_library(brisko_${layer} INTERFACE)
    target_link_libraries(brisko_${layer} INTERFACE ${uses} Qt6::Core Qt6::Gui)
  endif()
endforeach()
# The session's use cases alone change its parts (session/SessionEditor.h).
target_compile_definitions(brisko_session PRIVATE BRISKO_SESSION_USE_CASES)
# The cutters' templates are SVG files.
target_link_libraries(brisko_output PUBLIC Qt6::Svg)
# The class standings analyse their files on several threads.
target_link_libraries(brisko_output PUBLIC Qt6::Concurrent)

# Every layer takes the Qt headers precompiled for the lowest one.
set(BRISKO_PCH_LAYER)
foreach(layer ${BRISKO_LAYERS})
  get_target_property(kind brisko_${layer} TYPE)
  if(kind STREQUAL "STATIC_LIBRARY")
    if(BRISKO_PCH_LAYER)
      brisko_precompile(brisko_${layer} FROM brisko_${BRISKO_PCH_LAYER})
    else()
      brisko_precompile(brisko_${layer} HEADERS ${BRISKO_PCH_CORE})
      set(BRISKO_PCH_LAYER ${layer})
    endif()
  endif()
endforeach()

# What the windows, the tools, the tests and the benchmarks link: every layer,
# with the whole core to include.
add_library(brisko_core INTERFACE)
target_include_directories(brisko_core INTERFACE ${BRISKO_CORE_DIR})
foreach(layer ${BRISKO_LAYERS})
  target_link_libraries(brisko_core INTERFACE brisko_${layer})
endforeach()

# A source compiled as part of `layer`, for the tests that the directions hold.
function(brisko_layer_probe name layer source)
  brisko_layer_include_root(${layer} root)
  add_library(${name} OBJECT EXCLUDE_FROM_ALL ${source})
  target_include_directories(${name} PRIVATE ${root})
  target_link_libraries(${name} PRIVATE Qt6::Core Qt6::Gui)
endfunction()
