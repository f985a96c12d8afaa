# Card designs: listing the installed decks, checking them all, opening one,
# and the first rendering of 52 faces at the full-screen view's size.
if(TARGET draw)
  dw_add_benchmark(bench_designs ${CMAKE_CURRENT_LIST_DIR}/bench_designs.cpp)
  target_link_libraries(bench_designs PRIVATE deck draw)
endif()
