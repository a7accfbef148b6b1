# The libcxx preset: the Mac's C++ library on Linux. The Qt-free layers and
# their tests are built and run against libc++ with clang. Debian's Qt is built
# against libstdc++, so the Qt layers cannot be linked here: their targets stay
# configured (their compile commands feed the parse in tests/libcxx) but are
# left out of the default build.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "VLMR_LIBCXX needs clang (the libcxx preset sets it); this is ${CMAKE_CXX_COMPILER_ID}.")
endif()
if(NOT CMAKE_CXX_FLAGS MATCHES "-stdlib=libc\\+\\+")
  message(FATAL_ERROR "VLMR_LIBCXX needs -stdlib=libc++ in VLMR_EXTRA_CXX_FLAGS or CMAKE_CXX_FLAGS (the libcxx preset sets it).")
endif()

# The folders whose targets need Qt.
set(VLMR_QT_FOLDERS components window modes platform/qt)
foreach(folder IN LISTS VLMR_QT_FOLDERS)
  get_property(targets DIRECTORY "${CMAKE_SOURCE_DIR}/${folder}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    set_target_properties(${target} PROPERTIES EXCLUDE_FROM_ALL ON)
  endforeach()
endforeach()
