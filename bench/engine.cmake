# The card-by-card draw through the real draw window and full-screen view (offscreen).
if(TARGET testsupport)
  dw_add_benchmark(bench_engine ${CMAKE_CURRENT_LIST_DIR}/bench_engine.cpp)
  target_link_libraries(bench_engine PRIVATE draw testsupport)
  target_compile_definitions(bench_engine PRIVATE
    DEALWRIGHT_BENCH_SCREENS="${CMAKE_CURRENT_LIST_DIR}/screens-1080p-and-2160p.json")
endif()
