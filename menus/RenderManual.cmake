# cmake -DGROFF=groff -DPAGE=dealwright.1 -DOUT=dealwright.txt -P RenderManual.cmake
# The manual page as plain UTF-8 text, 78 columns wide, in one piece (no
# page breaks), without the terminal's bold and underline.
get_filename_component(out_dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${out_dir})
execute_process(
  COMMAND ${GROFF} -man -Tutf8 -P-c -P-b -P-o -P-u -rLL=78n -rcR=1 ${PAGE}
  OUTPUT_FILE ${OUT}.part
  ERROR_VARIABLE errors
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${OUT}.part)
  message(FATAL_ERROR "groff could not render ${PAGE}: ${errors}")
endif()
file(RENAME ${OUT}.part ${OUT})
