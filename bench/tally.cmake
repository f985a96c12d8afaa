# The tally: one draw shown with 10,000 draws recorded, and opening its
# window the first time (offscreen, a 1920 x 1080 screen).
if(TARGET tally AND TARGET testsupport)
  dw_add_benchmark(bench_tally ${CMAKE_CURRENT_LIST_DIR}/bench_tally.cpp)
  target_link_libraries(bench_tally PRIVATE tally testsupport Qt6::Test)
  target_compile_definitions(bench_tally PRIVATE
    DEALWRIGHT_BENCH_SCREEN="${CMAKE_SOURCE_DIR}/tests/support/screen-1920x1080.json")
endif()
