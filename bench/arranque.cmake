# naipalia-bench-arranque: the game's start-up time and peak memory beside a bare Qt window.
if(TARGET naipalia)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  add_executable(naipalia-ventana-vacia ${CMAKE_CURRENT_LIST_DIR}/ventana_vacia.cpp)
  target_link_libraries(naipalia-ventana-vacia PRIVATE naipalia-medicion Qt6::Widgets)
  add_executable(naipalia-bench-arranque ${CMAKE_CURRENT_LIST_DIR}/bench_arranque.cpp)
  add_dependencies(naipalia-bench-arranque naipalia naipalia-ventana-vacia naipalia-base)
endif()
