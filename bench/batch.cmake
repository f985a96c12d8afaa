dw_add_benchmark(bench_batch ${CMAKE_CURRENT_SOURCE_DIR}/bench_batch.cpp)
target_link_libraries(bench_batch PRIVATE batch deck shell Qt6::Widgets)
