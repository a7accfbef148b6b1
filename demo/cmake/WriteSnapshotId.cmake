# Writes the bundle's SRC_ID: the hand-kept id followed by a short digest of the
# snapshot's files, so any change to the snapshot gives a new id.
#   -DBASE_ID_FILE=<file>  the hand-kept id
#   -DFILES=<rel>=<path>|...  the snapshot's files, by path inside src/
#   -DOUTPUT=<file>        the SRC_ID to write (left untouched when unchanged)

file(READ "${BASE_ID_FILE}" base_id)
string(STRIP "${base_id}" base_id)
if(base_id STREQUAL "")
  message(FATAL_ERROR "${BASE_ID_FILE} is empty")
endif()

set(manifest "")
string(REPLACE "|" ";" files "${FILES}")
list(SORT files)
foreach(entry IN LISTS files)
  string(REGEX MATCH "^[^=]*" rel "${entry}")
  string(REGEX REPLACE "^[^=]*=" "" path "${entry}")
  file(SHA256 "${path}" digest)
  string(APPEND manifest "${rel} ${digest}\n")
endforeach()
string(SHA256 snapshot_digest "${manifest}")
string(SUBSTRING "${snapshot_digest}" 0 12 snapshot_digest)

set(id "${base_id}-${snapshot_digest}\n")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old_id)
  if(old_id STREQUAL id)
    file(TOUCH_NOCREATE "${OUTPUT}")
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${id}")
