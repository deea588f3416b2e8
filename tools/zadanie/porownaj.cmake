# Runs kreator_zadanie on one description into KATALOG and compares the
# data and task files it writes (".ZRM" and ".SRM", or ".ZRZ" and ".SRZ"
# with LITERA Z) with the committed ones (WZOR without the extension). The
# pictures depend on the fonts installed, so only their presence is tested.
if(NOT DEFINED LITERA)
  set(LITERA M)
endif()
file(MAKE_DIRECTORY ${KATALOG})
execute_process(COMMAND ${NARZEDZIE} ${OPIS} --katalog ${KATALOG} RESULT_VARIABLE wynik)
if(NOT wynik EQUAL 0)
  message(FATAL_ERROR "kreator_zadanie ${OPIS}: kod wyjścia ${wynik}")
endif()
get_filename_component(nazwa ${WZOR} NAME)
foreach(rozszerzenie ZR${LITERA} SR${LITERA})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${KATALOG}/${nazwa}.${rozszerzenie} ${WZOR}.${rozszerzenie}
                  RESULT_VARIABLE rozne)
  if(rozne)
    message(FATAL_ERROR "${WZOR}.${rozszerzenie} różni się od tego, co narzędzie tworzy z ${OPIS}")
  endif()
endforeach()
foreach(rozszerzenie UR${LITERA} DR${LITERA})
  if(NOT EXISTS ${KATALOG}/${nazwa}.${rozszerzenie})
    message(FATAL_ERROR "brak ${KATALOG}/${nazwa}.${rozszerzenie}")
  endif()
endforeach()
