# The drawing engine, without widgets.
dw_add_test(NAME test_engine SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_engine.cpp LIBS cards)
