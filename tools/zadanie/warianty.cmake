# Runs kreator_zadanie --warianty 3 on one description twice with the same
# seed and once with another, into KATALOG/a, /b and /c. The same seed must
# give the same files byte for byte (the pictures too: one machine, one set
# of fonts), another seed other data.
file(REMOVE_RECURSE ${KATALOG})
foreach(zestaw a:7 b:7 c:8)
  string(REPLACE ":" ";" para ${zestaw})
  list(GET para 0 podkatalog)
  list(GET para 1 ziarno)
  execute_process(COMMAND ${NARZEDZIE} ${OPIS} --warianty 3 --ziarno ${ziarno} --katalog ${KATALOG}/${podkatalog}
                  RESULT_VARIABLE wynik)
  if(NOT wynik EQUAL 0)
    message(FATAL_ERROR "kreator_zadanie ${OPIS} --warianty 3 --ziarno ${ziarno}: kod wyjścia ${wynik}")
  endif()
endforeach()
file(GLOB pliki RELATIVE ${KATALOG}/a ${KATALOG}/a/*)
list(LENGTH pliki liczba)
if(NOT liczba EQUAL 13)
  message(FATAL_ERROR "oczekiwano 3 × 4 plików wariantów i klucza, są: ${pliki}")
endif()
foreach(plik ${pliki})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${KATALOG}/a/${plik} ${KATALOG}/b/${plik}
                  RESULT_VARIABLE rozne)
  if(rozne)
    message(FATAL_ERROR "${plik} różni się między dwoma przebiegami z tym samym ziarnem")
  endif()
  if(plik MATCHES "_01\\.ZR.$")
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${KATALOG}/a/${plik} ${KATALOG}/c/${plik}
                    RESULT_VARIABLE rozne)
    if(NOT rozne)
      message(FATAL_ERROR "${plik} jest taki sam przy innym ziarnie")
    endif()
    set(dane_sprawdzone TRUE)
  endif()
endforeach()
if(NOT dane_sprawdzone)
  message(FATAL_ERROR "brak pliku danych pierwszego wariantu wśród: ${pliki}")
endif()
