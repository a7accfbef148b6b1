# The window's benchmarks: the build log under a flood of output, and the
# snapshot mode.
add_executable(bench_log_flood ${CMAKE_CURRENT_LIST_DIR}/bench_log_flood.cpp)
target_include_directories(bench_log_flood PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(bench_log_flood PRIVATE velmora_window velmora_warnings)
target_compile_definitions(bench_log_flood PRIVATE VLMR_BENCH_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
vlmr_supervisor_beside(bench_log_flood)
add_executable(bench_snapshot ${CMAKE_CURRENT_LIST_DIR}/bench_snapshot.cpp)
target_include_directories(bench_snapshot PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(bench_snapshot PRIVATE Qt6::Widgets velmora_warnings)
target_compile_definitions(bench_snapshot PRIVATE
  VLMR_BENCH_EXECUTABLE="$<TARGET_FILE:VelmoraInstaller>")
add_dependencies(bench_snapshot VelmoraInstaller)
# The window's start: exec to first paint and idle memory on a virtual display,
# against a bare Qt window started the same way.
find_package(PkgConfig REQUIRED)
pkg_check_modules(VLMR_XCB REQUIRED IMPORTED_TARGET xcb)
add_executable(bench_first_paint ${CMAKE_CURRENT_LIST_DIR}/bench_first_paint.cpp)
target_include_directories(bench_first_paint PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(bench_first_paint PRIVATE Qt6::Widgets PkgConfig::VLMR_XCB velmora_warnings)
target_compile_definitions(bench_first_paint PRIVATE
  VLMR_BENCH_EXECUTABLE="$<TARGET_FILE:VelmoraInstaller>")
add_dependencies(bench_first_paint VelmoraInstaller)
