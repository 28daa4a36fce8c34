# naipalia-bench-autojuego: games of self-play per second, and the replay of one game.
include(${CMAKE_SOURCE_DIR}/tests/autojuego/naipalia_autojuego.cmake)
add_executable(naipalia-bench-autojuego ${CMAKE_CURRENT_LIST_DIR}/bench_autojuego.cpp)
target_link_libraries(naipalia-bench-autojuego PRIVATE naipalia-autojuego)
# naipalia-bench-experto: the engine against the classic computer, the random player beside it.
add_executable(naipalia-bench-experto ${CMAKE_CURRENT_LIST_DIR}/bench_experto.cpp)
target_link_libraries(naipalia-bench-experto PRIVATE naipalia-autojuego)
