# The link graph, as scripts/check-layers.py reads it: every target the
# project defines, with the folder that defines it and what it links.
# A folder may include the headers of the folders whose targets it links,
# directly or through them, and no others; so what a layer may include is
# written once, in its CMakeLists.txt, and the layers test holds the code to it.
#
#   {"source": "<source root>",
#    "targets": {"<name>": {"folder": "<folder from the root>", "type": "<TYPE>",
#                           "links": ["<item>", ...]}, ...}}
#
# "links" holds LINK_LIBRARIES and INTERFACE_LINK_LIBRARIES as written, generator
# expressions and all; the script takes every name of one of these targets
# that an item holds. Imported targets (Qt, GoogleTest) are not listed.

# `value` as a JSON string.
function(_vlmr_json_string out value)
  string(REPLACE "\\" "\\\\" value "${value}")
  string(REPLACE "\"" "\\\"" value "${value}")
  string(REPLACE "\n" "\\n" value "${value}")
  string(REPLACE "\t" "\\t" value "${value}")
  set(${out} "\"${value}\"" PARENT_SCOPE)
endfunction()

# Writes the graph to `output`; run once every target is defined. The file is
# rewritten only when the graph changes.
function(vlmr_write_layer_graph output)
  _vlmr_json_string(source "${CMAKE_SOURCE_DIR}")
  set(graph "{\"targets\": {}}")
  string(JSON graph SET "${graph}" source "${source}")
  set(pending "${CMAKE_SOURCE_DIR}")
  while(pending)
    list(POP_FRONT pending directory)
    get_property(subdirectories DIRECTORY "${directory}" PROPERTY SUBDIRECTORIES)
    list(APPEND pending ${subdirectories})
    file(RELATIVE_PATH folder "${CMAKE_SOURCE_DIR}" "${directory}")
    _vlmr_json_string(folder "${folder}")
    get_property(targets DIRECTORY "${directory}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      set(links "")
      if(NOT type STREQUAL "UTILITY")
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
          get_target_property(items ${target} ${property})
          if(items)
            list(APPEND links ${items})
          endif()
        endforeach()
      endif()
      set(entry "{\"links\": []}")
      string(JSON entry SET "${entry}" folder "${folder}")
      string(JSON entry SET "${entry}" type "\"${type}\"")
      set(index 0)
      foreach(item IN LISTS links)
        _vlmr_json_string(item "${item}")
        string(JSON entry SET "${entry}" links ${index} "${item}")
        math(EXPR index "${index} + 1")
      endforeach()
      string(JSON graph SET "${graph}" targets ${target} "${entry}")
    endforeach()
  endwhile()
  set(written "")
  if(EXISTS "${output}")
    file(READ "${output}" written)
  endif()
  if(NOT written STREQUAL "${graph}\n")
    file(WRITE "${output}" "${graph}\n")
  endif()
endfunction()
