# Benchmark of the reading path (not a ctest test): run scripts/bench-link.sh.
add_executable(link_roundtrip_bench ${CMAKE_CURRENT_LIST_DIR}/link_roundtrip_bench.cpp)
target_link_libraries(link_roundtrip_bench PRIVATE linkblock orva_winsupport)
add_dependencies(link_roundtrip_bench meterlink LinkKeeper)
