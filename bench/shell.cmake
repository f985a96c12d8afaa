dw_add_benchmark(bench_shell ${CMAKE_CURRENT_SOURCE_DIR}/bench_shell.cpp)
target_link_libraries(bench_shell PRIVATE cards settings shell)
