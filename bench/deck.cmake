# The card face control's picture set: decoding all 76 embedded pictures.
if(TARGET deck)
  dw_add_benchmark(bench_deck ${CMAKE_CURRENT_LIST_DIR}/bench_deck.cpp)
  target_link_libraries(bench_deck PRIVATE deck)
endif()
