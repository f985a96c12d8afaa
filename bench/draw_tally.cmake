# The tally through the draw window (offscreen, a 1920 x 1080 screen):
# opening it the first time from the menu, and "Draw 1000".
if(TARGET draw AND TARGET testsupport)
  dw_add_benchmark(bench_draw_tally ${CMAKE_CURRENT_LIST_DIR}/bench_draw_tally.cpp)
  target_link_libraries(bench_draw_tally PRIVATE draw testsupport Qt6::Test)
  target_compile_definitions(bench_draw_tally PRIVATE
    DEALWRIGHT_BENCH_SCREEN="${CMAKE_SOURCE_DIR}/tests/support/screen-1920x1080.json")
endif()
