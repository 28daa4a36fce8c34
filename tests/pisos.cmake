# Every include of the core points down or sideways on its floors:
#   1 platform/, game/         the ground: controls, windows, ports; cards and the state
#   2 the window models        the table's and each dialog's controls
#   3 shell/operacion          the procedures every subsystem shares
#   4 the subsystems           round/, opponent/, calls/, settlement/, players/
#   5 the composition root     shell/: start-up, menus, the game
# and no core file includes qt/ or guion/. Sideways on floor 4 goes one way: no two
# subsystems depend on each other, however long the way round. The negotiation's state is
# written in round/ alone, and the player's buttons on the table turned on there alone.
# cmake -DRAIZ=<source dir> -P pisos.cmake
cmake_minimum_required(VERSION 3.25)
# The window models, by file: a new dialog's model joins this list.
set(modelos shell/naipalia.h shell/naipalia_diseno.cpp settlement/fin_ronda.h settlement/fin_ronda.cpp
            settlement/fin_juegos.h settlement/fin_juegos.cpp calls/tanto.h calls/tanto.cpp
            calls/canto_trucos.h calls/canto_trucos.cpp calls/truco_tanto_primero.h calls/truco_tanto_primero.cpp
            calls/flores.h calls/flores.cpp
            players/jugador.h players/jugador.cpp players/estadistica.h players/estadistica.cpp)
function(piso archivo salida)
  if(archivo MATCHES "^(platform|game)/")
    set(p 1)
  elseif(archivo IN_LIST modelos)
    set(p 2)
  elseif(archivo MATCHES "^shell/operacion\\.")
    set(p 3)
  elseif(archivo MATCHES "^(round|opponent|calls|settlement|players)/")
    set(p 4)
  elseif(archivo MATCHES "^shell/")
    set(p 5)
  else()
    set(p 6)
  endif()
  set(${salida} ${p} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE fuentes RELATIVE ${RAIZ} ${RAIZ}/platform/* ${RAIZ}/game/* ${RAIZ}/round/* ${RAIZ}/opponent/*
     ${RAIZ}/calls/* ${RAIZ}/settlement/* ${RAIZ}/players/* ${RAIZ}/shell/*)
set(faltas "")
set(subsistemas round opponent calls settlement players)
set(aristas "")
foreach(archivo IN LISTS fuentes)
  if(NOT archivo MATCHES "\\.(h|cpp)$")
    continue()
  endif()
  piso(${archivo} desde)
  file(STRINGS ${RAIZ}/${archivo} lineas REGEX "^#include \"")
  foreach(linea IN LISTS lineas)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" incluido "${linea}")
    piso(${incluido} hasta)
    if(hasta GREATER desde)
      string(APPEND faltas "\n  ${archivo} (floor ${desde}) includes ${incluido} (floor ${hasta})")
    elseif(desde EQUAL 4 AND hasta EQUAL 4)
      string(REGEX MATCH "^[a-z]+" de "${archivo}")
      string(REGEX MATCH "^[a-z]+" a "${incluido}")
      if(NOT de STREQUAL a)
        list(APPEND aristas "${de}>${a}")
        set(ejemplo_${de}_${a} "${archivo} includes ${incluido}")
      endif()
    endif()
  endforeach()
endforeach()
if(faltas)
  message(FATAL_ERROR "includes that point up:${faltas}")
endif()

# A subsystem that depends on no other left is taken away, again and again; whatever
# remains lies on a cycle.
list(REMOVE_DUPLICATES aristas)
set(quedan ${subsistemas})
set(cambio TRUE)
while(cambio)
  set(cambio FALSE)
  foreach(s IN LISTS quedan)
    set(depende FALSE)
    foreach(arista IN LISTS aristas)
      if(arista MATCHES "^${s}>(.+)$" AND CMAKE_MATCH_1 IN_LIST quedan)
        set(depende TRUE)
      endif()
    endforeach()
    if(NOT depende)
      list(REMOVE_ITEM quedan ${s})
      set(cambio TRUE)
    endif()
  endforeach()
endwhile()
if(quedan)
  set(ciclo "")
  foreach(arista IN LISTS aristas)
    if(arista MATCHES "^(.+)>(.+)$" AND CMAKE_MATCH_1 IN_LIST quedan AND CMAKE_MATCH_2 IN_LIST quedan)
      string(APPEND ciclo "\n  ${ejemplo_${CMAKE_MATCH_1}_${CMAKE_MATCH_2}}")
    endif()
  endforeach()
  message(FATAL_ERROR "subsystems that depend on each other (${quedan}):${ciclo}")
endif()

# The negotiation and the scores have one owner: the truco's, the envido's and the flor's
# calls, who made them, the level accepted, the truco's refusals and raises, the envido put
# first, the points stated, the computer's deck to come and both scores are written by the
# round's moves alone.
set(negociacion "(PuntosJugador|PuntosComputadora|EstadoTruco|QuienTruco|CadenaEnvido|QuienEnvido|EnvidoQuerido|EstadoFlor|QuienFlor|\
TantoPrimero|TantoCantadoJugador|TantoCantadoCompu|FlorCantadaJugador|FlorCantadaCompu|FlorJugador|FlorCompu|TrucoRechazado|TrucoRechazadoEnJugada|\
TrucoCantadoEnJugada|TrucoRecantado|MazoPendiente) *[-+]?=[^=]")
set(escrituras "")
foreach(archivo IN LISTS fuentes)
  if(archivo MATCHES "\\.(h|cpp)$" AND NOT archivo MATCHES "^round/")
    file(STRINGS ${RAIZ}/${archivo} lineas REGEX "\\.${negociacion}")
    foreach(linea IN LISTS lineas)
      string(STRIP "${linea}" linea)
      string(APPEND escrituras "\n  ${archivo}: ${linea}")
    endforeach()
  endif()
endforeach()
if(escrituras)
  message(FATAL_ERROR "the negotiation or the scores written outside round/:${escrituras}")
endif()

# Only the round lets the player act: his cards and the table's call buttons are turned on
# there alone (anyone may turn them off).
set(encendidos "")
foreach(archivo IN LISTS fuentes)
  if(archivo MATCHES "\\.(h|cpp)$" AND NOT archivo MATCHES "^round/")
    file(STRINGS ${RAIZ}/${archivo} lineas
         REGEX "(n|naipalia)\\.Boton(Carta|Truco|Retruco|Vale4|Envido|RealEnvido|FaltaEnvido|Flor|Mazo)[^.;]*\\.Enabled\\(true\\)")
    foreach(linea IN LISTS lineas)
      string(STRIP "${linea}" linea)
      string(APPEND encendidos "\n  ${archivo}: ${linea}")
    endforeach()
  endif()
endforeach()
if(encendidos)
  message(FATAL_ERROR "the player's buttons turned on outside round/:${encendidos}")
endif()
