# Card designs: listing the installed decks, checking them all, opening one,
# the first rendering of 52 faces at the full-screen view's size, and the
# real full-screen view's first showing of 52 cards in a design.
if(TARGET draw AND TARGET testsupport)
  dw_add_benchmark(bench_designs ${CMAKE_CURRENT_LIST_DIR}/bench_designs.cpp)
  target_link_libraries(bench_designs PRIVATE deck draw testsupport)
  target_compile_definitions(bench_designs PRIVATE
    DEALWRIGHT_BENCH_SCREENS="${CMAKE_CURRENT_LIST_DIR}/screens-1080p-and-2160p.json")
endif()
