# Installer validation, hashing in process, against shasum (bench_validation.cpp).
add_executable(bench_validation ${CMAKE_CURRENT_LIST_DIR}/bench_validation.cpp)
target_include_directories(bench_validation PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(bench_validation PRIVATE velmora_checks velmora_warnings)
